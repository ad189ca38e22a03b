#!/usr/bin/env bash
# Installs the Debian package on this machine and uses it as a new user
# would, then removes it. Run as root where alimetra is not installed; the
# fresh-machine check runs it on a minimal Debian 12.
#
#   scripts/package-check.sh PATH/alimetra_1.1_amd64.deb
#
# Leaves the user "alimetra-check" and that user's data behind on purpose:
# removing the package must not touch them.
set -euo pipefail
deb=$(readlink -f "$1")
user=alimetra-check
home=/home/$user
data=$home/.local/share/alimetra
fail() { echo "!! $*"; exit 1; }

echo "== apt-get install ./$(basename "$deb")"
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/tmp/apt-install.log 2>&1 ||
    { tail -20 /tmp/apt-install.log; fail "apt-get install"; }

# An ordinary user with an empty home, in a login-like environment.
id "$user" >/dev/null 2>&1 || useradd -M -d "$home" -s /bin/bash "$user"
rm -rf "$home"
mkdir "$home"
chown "$user:" "$home"
as_user() {
    runuser -u "$user" -- env -i HOME="$home" PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 \
        bash -c "cd && $1"
}

echo "== alimetra --version"
version=$(as_user "alimetra --version" | head -n 1)
[ "$version" = "Alimetra 1.1" ] || fail "--version printed '$version'"
[ ! -e "$data" ] || fail "--version made the data folder"

# The program runs until timeout ends it (status 124).
start() {
    local status=0
    as_user "QT_QPA_PLATFORM=offscreen timeout 5 alimetra" >/tmp/alimetra-start.log 2>&1 || status=$?
    [ "$status" -eq 124 ] || { cat /tmp/alimetra-start.log; fail "the $1 start ended with status $status"; }
}

echo "== first start"
start first
cmp -s /usr/share/alimetra/sr18.mdb "$data/sr18.mdb" || fail "no copy of the delivered database"
[ "$(stat -c %U "$data/sr18.mdb")" = "$user" ] || fail "the database copy is not the user's"
[ -f "$data/errors.log" ] || fail "the program did not run in the data folder"
[ ! -s "$data/errors.log" ] || { cat "$data/errors.log"; fail "errors.log is not empty"; }

echo "== second start"
before=$(stat -c %i "$data/sr18.mdb")
start second
[ "$(stat -c %i "$data/sr18.mdb")" = "$before" ] || fail "the second start replaced the user's database"

echo "== apt-get remove alimetra"
installed=$(dpkg -L alimetra)
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq alimetra >/tmp/apt-remove.log 2>&1 ||
    { tail -20 /tmp/apt-remove.log; fail "apt-get remove"; }
while read -r path; do
    if [ "$path" = /. ]; then
        continue
    elif [ -d "$path" ]; then
        # A folder may stay only while another package owns it too.
        dpkg -S "$path" >/dev/null 2>&1 || fail "left behind: $path"
    elif [ -e "$path" ]; then
        fail "left behind: $path"
    fi
done <<<"$installed"
[ -s "$data/sr18.mdb" ] && [ -f "$data/errors.log" ] || fail "the user's data went with the package"
echo "== package check passed"
