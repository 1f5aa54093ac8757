#!/usr/bin/env bash
# Proves the desktops the suite runs on: each is a copy of the ready prefix whose system
# folders are shared and whose writable files are its own, each has its own server and display,
# ctest's resource file names them all, a program finds the desktop ctest gave it, and stopping
# them stops their servers and nothing but an Xvfb. Xvfb and the Wine server are replaced by
# small fakes.
set -u
scripts=${1:?usage: desktops_test.sh SCRIPTS_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1"; failures=$((failures + 1)); fi; }

# A ready prefix as wineboot leaves it: registry files, a system folder, a profile.
template="$work/template"
mkdir -p "$template/drive_c/windows/system32" "$template/drive_c/users/me" "$template/dosdevices"
echo registry >"$template/system.reg"
echo dll >"$template/drive_c/windows/system32/user32.dll"
echo profile >"$template/drive_c/windows/win.ini"
ln -s ../drive_c "$template/dosdevices/c:"
touch "$template/.lumeo-ready-5-tests"

# The server fake records what it was asked, per prefix.
cat >"$work/wineserver" <<'FAKE'
#!/usr/bin/env bash
echo "$1" >>"$WINEPREFIX/server.log"
FAKE
chmod +x "$work/wineserver"

(
  . "$scripts/wine-env" "$template" x86_64
  . "$scripts/desktops"
  LUMEO_WINESERVER="$work/wineserver"
  # Displays: a sleeping process stands for each Xvfb.
  next=50
  lumeo_xvfb_start() {
    sleep 300 &
    LUMEO_NEW_DISPLAY=":$next" LUMEO_NEW_XVFB_PID=$!
    next=$((next + 1))
  }
  lumeo_desktops_start "$work/desktops" 3 || exit 1
  for slot in "$work"/desktops/*/; do cat "$slot/xvfb.pid" >>"$work/pids"; done
) 2>"$work/err"
rc=$?
check "three desktops are made" '[ $rc -eq 0 ] && [ -d "$work/desktops/2/prefix" ] && [ ! -e "$work/desktops/3" ]'
check "a desktop's system folder is shared with the template" \
  '[ "$(stat -c %i "$work/desktops/1/prefix/drive_c/windows/system32/user32.dll")" = "$(stat -c %i "$template/drive_c/windows/system32/user32.dll")" ]'
check "a desktop's registry and profile are its own copies" \
  '[ "$(stat -c %i "$work/desktops/1/prefix/system.reg")" != "$(stat -c %i "$template/system.reg")" ] &&
   [ "$(stat -c %i "$work/desktops/1/prefix/drive_c/windows/win.ini")" != "$(stat -c %i "$template/drive_c/windows/win.ini")" ] &&
   [ "$(cat "$work/desktops/1/prefix/system.reg")" = registry ]'
check "a desktop keeps the prefix's links and its ready mark" \
  '[ -L "$work/desktops/0/prefix/dosdevices/c:" ] && [ -f "$work/desktops/0/prefix/.lumeo-ready-5-tests" ]'
check "each desktop has its own display" \
  '[ "$(cat "$work"/desktops/*/display | sort -u | wc -l)" -eq 3 ]'
check "each desktop's server was started in its own prefix" \
  '[ "$(cat "$work"/desktops/*/prefix/server.log | grep -c -- -p)" -eq 3 ] && [ ! -e "$template/server.log" ]'
check "the resource file hands out the three desktops" \
  'grep -q "\"desktops\":\[{\"id\":\"0\",\"slots\":1},{\"id\":\"1\",\"slots\":1},{\"id\":\"2\",\"slots\":1}\]" "$work/desktops/resources.json"'

entered=$(
  . "$scripts/wine-env" "$template" x86_64
  . "$scripts/desktops"
  CTEST_RESOURCE_GROUP_0_DESKTOPS="id:2,slots:1" lumeo_desktop_enter "$work/desktops" &&
    echo "$WINEPREFIX $DISPLAY")
check "a program finds the desktop ctest gave it" '[ "$entered" = "$work/desktops/2/prefix :52" ]'
not_entered=$(
  . "$scripts/wine-env" "$template" x86_64
  . "$scripts/desktops"
  unset CTEST_RESOURCE_GROUP_0_DESKTOPS
  lumeo_desktop_enter "$work/desktops" || echo "$WINEPREFIX")
check "without a desktop from ctest a program keeps its own prefix" '[ "$not_entered" = "$template" ]'

(
  . "$scripts/wine-env" "$template" x86_64
  . "$scripts/desktops"
  LUMEO_WINESERVER="$work/wineserver"
  lumeo_desktops_stop "$work/desktops"
)
check "stopping the desktops stops each server" \
  '[ "$(cat "$work"/desktops/*/prefix/server.log | grep -c -- -k)" -eq 3 ]'
# A pid file may outlive its display (a crash, a reboot): only an Xvfb is ever stopped.
alive=0
while read -r pid; do kill -0 "$pid" 2>/dev/null && alive=$((alive + 1)); done <"$work/pids"
check "a recorded display that is not an Xvfb is left alone" '[ $alive -eq 3 ]'
while read -r pid; do kill "$pid" 2>/dev/null; done <"$work/pids"

exit $((failures > 0))
