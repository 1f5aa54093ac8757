#!/usr/bin/env bash
# Proves that a Wine prefix is marked ready only when its set-up worked: a failing wineboot
# leaves no mark, reports what failed and exits non-zero, and the next run throws the half-made
# prefix away and builds it again. Wine itself is replaced by small fakes.
set -u
scripts=${1:?usage: wine_prefix_test.sh SCRIPTS_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1"; failures=$((failures + 1)); fi; }

# A loader whose wineboot fails or succeeds as FAKE_WINEBOOT says, and a server that is idle.
cat >"$work/wine" <<'FAKE'
#!/usr/bin/env bash
case "$1" in
  wineboot.exe) [ "$FAKE_WINEBOOT" = ok ] || { echo "wineboot: simulated failure" >&2; exit 1; }
                mkdir -p "$WINEPREFIX/drive_c" && echo made >"$WINEPREFIX/system.reg" ;;
  reg.exe) echo "$*" >>"$WINEPREFIX/reg.log" ;;
esac
exit 0
FAKE
printf '#!/bin/sh\nexit 0\n' >"$work/wineserver"
chmod +x "$work/wine" "$work/wineserver"

prefix_ready() {   # runs the set-up in a shell of its own, as a script would
  ( . "$scripts/wine-env" "$work/prefix" x86_64
    LUMEO_WINE="$work/wine" LUMEO_WINESERVER="$work/wineserver"
    lumeo_wine_prefix_ready tests )
}

FAKE_WINEBOOT=fail prefix_ready 2>"$work/err"
rc=$?
check "a failing wineboot fails the set-up" '[ $rc -ne 0 ]'
check "the failure says what failed" 'grep -q "wineboot" "$work/err"'
check "a failed prefix is not marked ready" '! ls "$work/prefix"/.lumeo-ready-* >/dev/null 2>&1'

touch "$work/prefix/left-over"
FAKE_WINEBOOT=ok prefix_ready 2>"$work/err"
rc=$?
check "the next run succeeds" '[ $rc -eq 0 ]'
check "the next run made the prefix again instead of trusting it" '[ ! -e "$work/prefix/left-over" ] && [ -f "$work/prefix/system.reg" ]'
check "the rebuilt prefix is marked ready" 'ls "$work/prefix"/.lumeo-ready-*tests >/dev/null 2>&1'
check "the test settings were written" '[ "$(grep -c "reg.exe add" "$work/prefix/reg.log")" -eq 2 ]'

mv "$work/wine" "$work/wine.off"
FAKE_WINEBOOT=ok prefix_ready 2>"$work/err"
check "a ready prefix is trusted without starting Wine" '[ $? -eq 0 ]'

mv "$work/wine.off" "$work/wine"
mkdir -p "$work/foreign" && touch "$work/foreign/precious"
( . "$scripts/wine-env" "$work/foreign" x86_64
  LUMEO_WINE="$work/wine" LUMEO_WINESERVER="$work/wineserver"
  FAKE_WINEBOOT=ok lumeo_wine_prefix_ready tests ) 2>"$work/err"
rc=$?
check "a folder these scripts did not make is refused, not deleted" '[ $rc -ne 0 ] && [ -f "$work/foreign/precious" ]'

exit $((failures > 0))
