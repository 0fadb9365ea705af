#!/bin/sh
# Installs the Debian packages given as arguments that are not installed yet.
# As root it runs apt-get; otherwise it prints the one line to run.
missing=""
for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -eq 0 ]; then
    echo "Installing:$missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq && apt-get install -y -qq --no-install-recommends $missing
else
    echo "Some packages are missing. Run this once (as root, or with sudo), then try again:"
    echo "  sudo apt-get update && sudo apt-get install -y --no-install-recommends$missing"
    exit 1
fi
