#!/usr/bin/env bash
# Builds the Debian package from a configured and built tree, validates its desktop
# entry, AppStream metainfo and the package itself (desktop-file-validate,
# appstreamcli, lintian: no errors allowed), then unpacks it into a scratch root
# and starts the installed program offscreen until its first paint.
#   packaging/check_package.sh [BUILD_DIR]     (default build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="$(cd "${1:-build}" && pwd)"

if ! (cd "$build" && cpack -G DEB >"$build/cpack.log" 2>&1); then
  cat "$build/cpack.log" >&2
  exit 1
fi
mapfile -t debs < <(ls "$build"/tarmigo_*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "check_package: expected one package in $build, found ${#debs[@]}" >&2; exit 1; }
deb="${debs[0]}"
echo "== $(basename "$deb")"

root="$build/package-root"
rm -rf "$root"
dpkg -x "$deb" "$root"

status=0
echo "== desktop-file-validate"
desktop-file-validate "$root/usr/share/applications/tarmigo.desktop" || status=1
echo "== appstreamcli validate"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml || status=1
echo "== lintian"
# lintian prints E: for errors, W:/I: for warnings and notes; only errors fail.
lintian --fail-on error "$deb" >"$build/lintian.txt" 2>&1 || status=1
grep -v 'running with root privileges' "$build/lintian.txt" || true

echo "== the package depends on every library its programs load"
# dpkg-shlibdeps (CPACK_DEBIAN_PACKAGE_SHLIBDEPS) names them: libsodium23 among them once
# the network game's cryptography (src/seal) is linked into a program or module.
depends="$(dpkg-deb -f "$deb" Depends)"
mapfile -t named < <(tr ',|' '\n\n' <<<"$depends" | awk '{ print $1 }')
mapfile -t needed < <(find "$root" -type f -exec readelf -d {} \; 2>/dev/null |
  sed -n 's/.*Shared library: \[\(.*\)\]/\1/p' | sort -u)
for lib in "${needed[@]}"; do
  path="$(ldconfig -p | awk -v l="$lib" '$1 == l && !seen { print $NF; seen = 1 }')"
  # dpkg knows a library by one of its paths: as ldconfig has it, resolved, or under /usr.
  owner=""
  for p in "$path" "$(readlink -f "$path")" "/usr$path"; do
    [ -n "$path" ] && [ -z "$owner" ] && owner="$(dpkg -S "$p" 2>/dev/null | sed -n '1s/:.*//p')" || true
  done
  if [ -z "$owner" ]; then
    echo "no package on this machine has $lib" >&2
    status=1
  elif ! printf '%s\n' "${named[@]}" | grep -qxF "$owner"; then
    echo "$lib comes from $owner, which Depends does not name: $depends" >&2
    status=1
  fi
done
echo "${#needed[@]} libraries loaded, from: $(printf '%s\n' "${needed[@]}" | tr '\n' ' ')"

echo "== the installed program starts"
home="$root/home"
mkdir -p "$home/run" && chmod 700 "$home/run"
if ! out=$(QT_QPA_PLATFORM=offscreen TARMIGO_EXIT_AFTER_FIRST_PAINT=1 \
    XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/run" \
    timeout 60 "$root/usr/games/tarmigo" 2>&1) || [[ "$out" != *first-paint* ]]; then
  echo "the installed program did not start: $out" >&2
  status=1
elif [ ! -s "$home/data/tarmigo/tarmigt" ]; then
  echo "the installed program saved nothing" >&2
  status=1
else
  echo "started, painted and saved"
fi
exit $status
