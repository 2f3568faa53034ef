#!/usr/bin/env bash
# Builds the Debian package from build/ (cpack -G DEB) and checks it as a user
# gets it: unpacked into a temporary root with dpkg -x, its command line
# converts the sample archive with the library of the package, into the same
# race files as the build tree's; its desktop program and man pages answer,
# its metainfo agrees with the installed menu entry and icon;
# lintian reports no error or warning, nor any hardening tag, informational
# ones included. Prints where the package is.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
[ -f build/CMakeCache.txt ] || bash scripts/build.sh
cmake --build build --parallel "$(nproc)" >/dev/null

rm -f build/tamikaze-netdata_*.deb
(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/tamikaze-netdata_*.deb)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root/pkg"

passed=0
failed=0
check() {  # check NAME COMMAND...: runs the command, counts its outcome
  local name=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    echo "FAIL: $name"
    failed=$((failed + 1))
  fi
}

# Runs a program with a home of its own, no XDG folders from outside.
as_new_user() {
  mkdir -p "$root/home"
  env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME HOME="$root/home" "$@"
}

# The sample converts, with the packaged library and not one from elsewhere.
convert_sample() {  # convert_sample CLI OUTPUT_FOLDER
  mkdir -p "$2"
  as_new_user env LD_DEBUG=files "$1" import -o "$2" examples/sample.lzh >"$2.summary" 2>"$2.log"
}
check "packaged command line converts the sample" \
  convert_sample "$root/pkg/usr/bin/tamikaze-netdata" "$root/from-package"
check "packaged command line loads the packaged libunlha32.so" \
  grep -q "file=$root/pkg/usr/lib/.*/TamikazeNetData/libunlha32.so" "$root/from-package.log"
check "eleven race files" \
  test "$(find "$root/from-package/sampleS" -name '*.uma' | wc -l)" -eq 11
convert_sample build/tamikaze-netdata "$root/from-build"
check "race files as the build tree writes them" \
  diff -r "$root/from-package/sampleS" "$root/from-build/sampleS"
copyright=$(grep -m1 '^Copyright' LICENSE)
check "race files begin with the licence's copyright line" \
  test "$(head -n1 "$root/from-package/sampleS/東京01R.uma" | tr -d '\r')" = "$copyright"

desktop_version() {
  as_new_user env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb \
    "$root/pkg/usr/bin/TamikazeNetData" --version | grep -q '^TamikazeNetData [0-9]'
}
check "desktop program answers --version without a display" desktop_version
for page in "$root"/pkg/usr/share/man/man1/*.1.gz; do
  check "$(basename "$page") renders without warnings" \
    test -z "$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)"
done
check "metainfo, menu entry and icon agree as installed" \
  appstreamcli validate-tree --no-net "$root/pkg"
check "lintian: no errors or warnings" lintian --fail-on error,warning "$deb"
# The programs parse untrusted archives and pages: built hardened, without
# overrides for it.
check "lintian: no hardening tag" \
  test -z "$(lintian -I --no-override "$deb" | grep hardening)"

echo "Package: $(realpath "$deb")"
echo "check-deb: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
