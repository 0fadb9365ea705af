#!/bin/sh
# A screenshot onto a full disk fails and leaves the existing file as it
# was, with no temporary beside it. The disk is a small tmpfs mounted in a
# mount namespace of this test's own; where that cannot be done (no root,
# no unshare) the test is skipped (77).
# Usage: full_disk.sh KELDARY WORKDIR
set -u
exe=$1
work=$2
rm -rf "$work"
mkdir -p "$work/disk" || exit 1
cp "$exe" "$work/keldary" || exit 1

if ! unshare --mount true 2>/dev/null; then
    echo "skipped: cannot make a mount namespace"
    exit 77
fi

unshare --mount sh -s "$work" <<'EOF'
set -u
work=$1
disk=$work/disk
mount -t tmpfs -o size=128k tmpfs "$disk" 2>/dev/null || { echo "skipped: cannot mount a tmpfs"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }

# A first screenshot onto the empty disk succeeds.
printf 'look\n' > "$work/script.txt"
HOME=$work "$work/keldary" --headless --keys "$work/script.txt" --screenshot "$disk/old.png" \
    > /dev/null 2>&1 || fail "the first screenshot"
head -c 4 "$disk/old.png" | grep -q PNG || fail "old.png is no PNG"
cp "$disk/old.png" "$work/before.png"

# Fill the disk, then take another screenshot of another screen over it,
# at the end of the run and from the script.
dd if=/dev/zero of="$disk/filler" bs=4k 2>/dev/null
printf 'miru\n{shot %s}\n' "$disk/old.png" > "$work/script.txt"
HOME=$work "$work/keldary" --headless --keys "$work/script.txt" --screenshot "$disk/old.png" \
    > /dev/null 2> "$work/err.txt"
status=$?
[ "$status" -eq 0 ] || fail "the run ended with status $status"
[ "$(grep -c 'cannot write the screenshot' "$work/err.txt")" -eq 2 ] || fail "no message: $(cat "$work/err.txt")"
cmp -s "$disk/old.png" "$work/before.png" || fail "old.png changed"
leftovers=$(ls -A "$disk" | grep -v -x -e old.png -e filler)
[ -z "$leftovers" ] || fail "left behind: $leftovers"

# With room again the same screenshot is written.
rm -f "$disk/filler"
HOME=$work "$work/keldary" --headless --keys "$work/script.txt" --screenshot "$disk/old.png" \
    > /dev/null 2>&1 || fail "the screenshot with room"
cmp -s "$disk/old.png" "$work/before.png" && fail "old.png was not replaced"
head -c 4 "$disk/old.png" | grep -q PNG || fail "the new old.png is no PNG"
echo "ok"
EOF
