# The real tray in a tree's Wine environment, for scripts; sourced after "env shell":
#   tray_install DIR BIN [real]  DIR gets BIN's PVNTray.exe, a recorder standing in for PVNSet.exe
#                                (which the tray needs beside itself) and for PVNMain.exe unless
#                                "real" asks for BIN's PVNMain.exe; InstallDir names DIR
#   tray_start DIR BIN           starts DIR's tray resident and waits until it answers code 4
#   tray_quit BIN                ends it as the user does: the tray menu's 強制終了, then Yes
tray_install() {
  local dir=$1 bin=$2
  rm -rf "$dir" && mkdir -p "$dir"
  cp "$bin/PVNTray.exe" "$dir/"
  cp "$bin/PvnRecorder.exe" "$dir/PVNSet.exe"
  if [ "${3:-}" = real ]; then cp "$bin/PVNMain.exe" "$dir/"; else cp "$bin/PvnRecorder.exe" "$dir/PVNMain.exe"; fi
  wine reg add 'HKCU\Software\Morrick\Parvane' /v InstallDir /t REG_SZ /d "$(winepath -w "$dir")" /f \
    </dev/null >/dev/null 2>&1
}

tray_start() {
  wine "$1/PVNTray.exe" </dev/null >/dev/null 2>&1 &
  local _
  for _ in $(seq 100); do
    wine "$2/PvnDriver.exe" request 4 </dev/null 2>/dev/null | grep -q 'answer: 1' && return 0
    sleep 0.2
  done
  echo "the tray did not answer" >&2
  return 1
}

tray_quit() {
  wine "$1/PvnDriver.exe" icon right sleep 500 key 0x58 box yes </dev/null >/dev/null 2>&1 || true
}
