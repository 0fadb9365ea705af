#!/bin/sh
# A screenshot onto a full disk fails and leaves the existing file as it
# was, with no temporary beside it. The disk is a small tmpfs mounted in a
# mount namespace of this test's own. Where that is not allowed (a
# container without the right, no root) the disk is full for the program
# through a file-size limit instead: its writes then fail part way with
# EFBIG rather than ENOSPC, which the program meets in the same place.
# Usage: full_disk.sh KELDARY WORKDIR
set -u
exe=$1
work=$2
rm -rf "$work"
mkdir -p "$work/disk" || exit 1
cp "$exe" "$work/keldary" || exit 1

# The steps, in a disk of the given kind: tmpfs or limit.
steps='
set -u
work=$1 kind=$2
disk=$work/disk
if [ "$kind" = tmpfs ]; then
    mount -t tmpfs -o size=128k tmpfs "$disk" 2>/dev/null || exit 77
fi
fail() { echo "FAIL ($kind): $*"; exit 1; }
shot() { HOME=$work "$work/keldary" --headless --keys "$work/script.txt" --screenshot "$disk/old.png"; }
# The run on the full disk; with a limit, no file grows past 512 bytes and
# the signal that would end the program is ignored (as its child keeps).
shot_on_full_disk() {
    if [ "$kind" = limit ]; then (trap "" XFSZ; ulimit -f 1 && shot); else shot; fi
}

# A first screenshot onto the empty disk succeeds.
printf "look\n" > "$work/script.txt"
shot > /dev/null 2>&1 || fail "the first screenshot"
head -c 4 "$disk/old.png" | grep -q PNG || fail "old.png is no PNG"
cp "$disk/old.png" "$work/before.png"

# Fill the disk, then take another screenshot of another screen over it,
# at the end of the run and from the script.
[ "$kind" = tmpfs ] && dd if=/dev/zero of="$disk/filler" bs=4k 2>/dev/null
printf "miru\n{shot %s}\n" "$disk/old.png" > "$work/script.txt"
shot_on_full_disk > /dev/null 2> "$work/err.txt"
status=$?
[ "$status" -eq 0 ] || fail "the run ended with status $status"
[ "$(grep -c "cannot write the screenshot" "$work/err.txt")" -eq 2 ] || fail "no message: $(cat "$work/err.txt")"
cmp -s "$disk/old.png" "$work/before.png" || fail "old.png changed"
leftovers=$(ls -A "$disk" | grep -v -x -e old.png -e filler)
[ -z "$leftovers" ] || fail "left behind: $leftovers"

# With room again the same screenshot is written.
rm -f "$disk/filler"
shot > /dev/null 2>&1 || fail "the screenshot with room"
cmp -s "$disk/old.png" "$work/before.png" && fail "old.png was not replaced"
head -c 4 "$disk/old.png" | grep -q PNG || fail "the new old.png is no PNG"
echo "ok: a screenshot onto a full disk ($kind) keeps the old file"
'

status=77
if unshare --mount true 2>/dev/null; then
    unshare --mount sh -c "$steps" sh "$work" tmpfs
    status=$?
fi
[ "$status" -eq 77 ] || exit "$status"
echo "no tmpfs can be mounted here: the disk is full through a file-size limit"
rm -f "$work/disk/"* "$work/disk/".[!.]* 2>/dev/null
sh -c "$steps" sh "$work" limit
