#!/usr/bin/env bash
# Builds the Debian package from build/ and proves it the way a technician's laptop would use it:
# checks the menu entry, the manual pages and lintian's verdict, then makes a fresh Debian root with
# Debian's own tools (mmdebstrap, from the host's release and mirror), installs the package there
# with apt (so its Depends must be right) and, as an unprivileged user, runs the command line
# against the simulated radio. The user's com.ini, port link and backups must be in the user's XDG
# folders, and nothing may be written under /usr. Needs root (the root is made with chroot).
#   scripts/test-package.sh [BUILD]     default build/
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
scripts/setup.sh --package
# Making and entering the fresh root needs root; as a normal user it asks for sudo.
if [ "$(id -u)" -ne 0 ]; then
  exec sudo "$0" "$@"
fi

started=$SECONDS
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target package
package=$(ls -t "$build"/vantrel_*.deb | head -n 1)
echo "test-package: built $package in $((SECONDS - started)) s"

desktop-file-validate packaging/vantrel.desktop
for page in packaging/man/*.1; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  if [ -n "$warnings" ]; then
    echo "test-package: $page renders with warnings:" >&2
    echo "$warnings" >&2
    exit 1
  fi
done
# Errors and warnings fail; what remains at the info level is explained in CONTRIBUTING.md.
lintian --fail-on error,warning "$package"

# The fresh root: the host's release from its mirror, apt and the account tools, nothing of the host.
work=$(mktemp -d /tmp/vantrel-package-test.XXXXXX)
# Never past a mount point, should one have outlived its namespace.
cleanup() { rm -rf --one-file-system "$work"; }
trap cleanup EXIT
root=$work/root
. /etc/os-release
mirror=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n 1)
mirror=${mirror:-http://deb.debian.org/debian}
made=$SECONDS
# apt installs the package while mmdebstrap still has the mirror's lists and the network set up.
mmdebstrap --quiet --mode=root --variant=apt --include=passwd \
  --customize-hook="copy-in $package /tmp" \
  --customize-hook='chroot "$1" sh -c "DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends /tmp/vantrel_*.deb >/dev/null"' \
  "$VERSION_CODENAME" "$root" "$mirror"
echo "test-package: fresh $VERSION_CODENAME root made and the package installed with apt in $((SECONDS - made)) s"
chroot "$root" dpkg-query -W -f='${Package} ${Version} ${Status}\n' vantrel

cp scripts/package-test-as-user.sh "$root/tmp/as-user.sh"
used=$SECONDS
# A mount namespace of its own: the root's /proc and /dev vanish with it, whatever fails.
unshare --mount --propagation private -- sh -euc '
  root=$1
  mount -t proc proc "$root/proc"
  mount --rbind /dev "$root/dev"
  chroot "$root" sh -euc "
    useradd --create-home --shell /bin/sh tech
    touch /tmp/before-the-user
    setpriv --reuid=tech --regid=tech --init-groups env -i HOME=/home/tech PATH=/usr/bin:/bin LC_ALL=C.UTF-8 \
      sh -eu /tmp/as-user.sh
    written=\$(find /usr -newer /tmp/before-the-user -print)
    if [ -n \"\$written\" ]; then
      echo \"test-package: written under /usr: \$written\" >&2
      exit 1
    fi
  "
' sh "$root"
echo "test-package: used as an unprivileged user in $((SECONDS - used)) s"
echo "test-package: passed in $((SECONDS - started)) s"
