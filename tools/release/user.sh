# shellcheck shell=bash
# A user's steps with a release ZIP in a Wine prefix made for them; sourced with root (the top of
# the tree) and bin (a test tree's bin folder, with PvnDriver, PvnInput and PvnExplorer) set:
#   user_enter STATE         a new prefix, display and wineserver in STATE (about 30 s); sets c (C:\
#                            as a Unix path), profile (the user's profile folder) and work
#   user_install ZIP         the registry and the profile noted, the ZIP unpacked into Downloads,
#                            PVNSet.exe run from there with the dialog's defaults and Yes to its
#                            questions; then the tray is resident
#   user_open FOLDER X Y     the folder opened as Explorer's double click does, with the pointer at
#                            X Y; waits for the folder menu and puts the pointer on its first item
#   user_close_menus         Esc until no pop-up menu is shown
#   user_uninstall           PVNSet.exe again: アンインストール, Yes to its questions; the tray ends
#   user_left_behind         what differs in the registry and the profile from before the installation
# A step that fails calls die with the reason: the caller's, or one that ends the script.
. "$root/tools/wine/shots.sh"
. "$root/tools/wine/tray.sh"
setup_title='Parvane Ver.3.12 のインストール'
declare -F die >/dev/null || die() { echo "FAIL: $*" >&2; exit 1; }

user_enter() {
  local state=$1
  # An environment left running there (the demo leaves its own) is stopped before it is replaced.
  [ ! -d "$state" ] || "$root/tools/wine/env" down "$state" >/dev/null 2>&1 || true
  rm -rf "$state" && mkdir -p "$state/work"
  shots_enter "$state" || die "no Wine environment"
  work=$state/work
  c=$(winepath -u 'C:\') && c=${c%/}
  profile=$(winepath -u "$(wine cmd /c 'echo %USERPROFILE%' </dev/null 2>/dev/null | tr -d '\r')")
}

# The registry as .reg text in UTF-8, and the files of the user's profile.
export_key() {
  wine reg export "$1" "$work/$2.reg" /y </dev/null >/dev/null 2>&1 && iconv -f UTF-16 -t UTF-8 "$work/$2.reg" >"$work/$2.txt"
}
profile_files() { (cd "$profile" && find . -path ./Downloads -prune -o -print | LC_ALL=C sort) >"$work/$1.files"; }

user_install() {
  export_key 'HKCU\Software' user-before || die "reg export"
  export_key 'HKLM\Software\Classes' classes-before || die "reg export"
  profile_files before
  unpacked=$profile/Downloads/$(basename "$1" .zip)
  mkdir -p "$unpacked" && unzip -q "$1" -d "$unpacked" || die "unzip"
  (cd "$unpacked" && exec wine PVNSet.exe </dev/null >/dev/null 2>&1) &
  local setup=$! _
  await_dialog "$setup_title" || die "no installation dialog"
  driver dialog "$setup_title" 3311 >/dev/null || die "install button"
  answer_boxes "$setup"
  for _ in $(seq 100); do tray_resident && break; sleep 0.2; done
  tray_resident || die "the tray is not resident after installing"
  # Wine's shell and COM read classes from HKLM only; Windows merges the user's into HKCR. What the
  # installation wrote below the user's classes is mirrored there, and taken away before uninstalling.
  export_key 'HKCU\Software\Classes' user-classes || die "reg export"
  python3 "$root/tools/release/registry.py" mirror "$work/user-before.txt" "$work/user-classes.txt" \
    "$work/classes-before.txt" "$work/mirror" || die "mirror"
  wine reg import "$(winepath -w "$work/mirror.reg")" </dev/null >/dev/null 2>&1 || die "reg import"
}

user_open() {
  input move "$2" "$3"
  wine "$bin/PvnExplorer.exe" open '' "$1" </dev/null >"$work/open.out" 2>&1
  grep -q opened "$work/open.out" || die "ShellExecuteEx: $(cat "$work/open.out")"
  await_menu >/dev/null || die "no folder menu after the double click on $1"
  input sleep 200
}

user_close_menus() {
  local _
  for _ in 1 2 3 4 5; do
    driver windows | grep -q '^window: .* #32768 ' || return 0
    input key 0x1B sleep 300
  done
}

user_uninstall() {
  while read -r key; do wine reg delete "$key" /f </dev/null >/dev/null 2>&1; done <"$work/mirror.keys"
  wine reg import "$(winepath -w "$work/mirror-undo.reg")" </dev/null >/dev/null 2>&1
  (cd "$unpacked" && exec wine PVNSet.exe </dev/null >/dev/null 2>&1) &
  local setup=$! _
  await_dialog "$setup_title" || die "no installation dialog"
  driver dialog "$setup_title" 3303 sleep 300 dialog "$setup_title" 3311 >/dev/null || die "uninstall button"
  answer_boxes "$setup"
  for _ in $(seq 50); do tray_resident || break; sleep 0.2; done
  ! tray_resident || die "the tray is still resident"
}

user_left_behind() {
  export_key 'HKCU\Software' user-after || die "reg export"
  export_key 'HKLM\Software\Classes' classes-after || die "reg export"
  profile_files after
  local left=0 data_folder=./AppData/Roaming/Morrick
  python3 "$root/tools/release/registry.py" compare "$work/user-before.txt" "$work/user-after.txt" || left=1
  python3 "$root/tools/release/registry.py" compare "$work/classes-before.txt" "$work/classes-after.txt" || left=1
  # The data folder stays, without its lists.
  grep -vx "$data_folder" "$work/after.files" | diff "$work/before.files" - || left=1
  [ -z "$(ls -A "$profile/$data_folder" 2>/dev/null)" ] || { ls -l "$profile/$data_folder"; left=1; }
  return $left
}
