#!/usr/bin/env bash
# The whole system from its release ZIP, in a Wine prefix made for it, doing only what a user does:
#   tools/release/e2e.sh ZIP TOOLS_BIN STATE
# Unpacks the ZIP, installs with its PVNSet.exe, opens a folder as Explorer's double click does,
# previews a picture with space, copies its path with Ctrl+N, lets Explorer's context menu (the
# extension as Explorer hosts it) start the file-operation menu and copies a file with it, changes a
# setting in the dialog the tray menu opens and sees the tray's preview follow, uninstalls, and
# compares the registry and the user's profile with what they were before. TOOLS_BIN holds the test
# tree's PvnDriver and PvnInput (the user's hands) and PvnExplorer (Explorer). STATE is made anew.
# Prints each step; ends with 1 at the first that fails.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
zip=$(realpath "${1:?zip}") bin=$(cd "${2:?tools bin}" && pwd) state=${3:?state dir}
rm -rf "$state" && mkdir -p "$state" && state=$(cd "$state" && pwd)

step() { echo "== $*"; }
die() {
  echo "FAIL: $*"
  capture "$state/failure.png" >/dev/null 2>&1 && echo "screen: $state/failure.png"
  exit 1
}
. "$root/tools/release/user.sh"
cleanup() {
  tray_resident && tray_quit "$bin"
  "$root/tools/wine/env" down "$state"
}
[ -n "${PVN_KEEP:-}" ] || trap cleanup EXIT
settings_title='Parvane の設定'

step "a Wine prefix of its own (made now: about 30 s)"
user_enter "$state"

step "install: $(basename "$zip") unpacked into Downloads, its PVNSet.exe, the dialog's defaults, Yes to its questions"
user_install "$zip"
echo "the tray is resident"

# A user's folder: a framed picture, a file to copy and where it goes (a favourite folder).
data=$c/データ
mkdir -p "$data" "$c/コピー先"
convert -size 160x110 gradient:skyblue-navy -bordercolor white -border 20 "BMP3:$data/額縁.bmp"
sjis <<<'見積書' >"$data/見積書.txt"
sjis <<<'C:\コピー先' >"$(appdata)/Morrick/PVNFavorites.lst"

# The preview windows' sizes: the tray's preview and the folder menu's own tooltip share a class.
tip_widths() { driver windows | sed -n 's/^window: [-0-9]* [-0-9]* \([0-9]*\) [0-9]* MENUTOOLTIPTEXT.*/\1/p' | sort -n | tr '\n' ' '; }

# Opens the folder menu of C:\データ as a double click in Explorer does, highlights the picture
# (開く, then the files in lstrcmpW order: 額縁.bmp, 見積書.txt) and previews it; sets widths to the widths
# of the tooltip windows then shown.
preview_picture() {
  user_open 'C:\データ' 300 200
  input key 0x28 sleep 300 key 0x20 sleep 1500
  widths=$(tip_widths)
  echo "tooltip widths: $widths"
}

step "a double click on C:\\データ shows its folder menu; space previews the picture"
preview_picture
# The picture, 160 pixels wide inside its white frame of 20 each side, is cut out of it by default,
# keeping one pixel of the frame each side; the window is 2 wider than the picture.
cut=$(tr ' ' '\n' <<<"$widths" | awk '$1 >= 160 && $1 < 170' | head -n 1)
[ -n "$cut" ] || die "no preview of the picture with its frame cut (widths: $widths)"

step "Ctrl+N copies the highlighted item's path"
input key 0x11+0x4E sleep 800
clip=$(driver clipboard)
echo "$clip"
grep -qF 'C:\データ\額縁.bmp' <<<"$clip" || die "the path was not copied"
user_close_menus

step "Explorer's context menu of a folder has the extension's three entries"
wine "$bin/PvnExplorer.exe" menu 'C:\データ' </dev/null >"$work/menu.out" 2>&1
cat "$work/menu.out"
for entry in 'PVNファイル操作(&F)' 'PVN Dos Prompt(&K)' 'PVN Name to Clip.(&N)'; do
  grep -qF "entry: PVNShlExMenu $entry" "$work/menu.out" || die "no entry $entry"
done

step "its file-operation entry: the tray's menu, a copy to the favourite folder"
wine "$bin/PvnExplorer.exe" invoke 'PVNファイル操作(&F)' 'C:\データ\見積書.txt' </dev/null >"$work/invoke.out" 2>&1 &
invoker=$!
driver menu 15000 >/dev/null || die "no file-operation menu"
# D opens "コピー to お気に入りフォルダ" with its first folder highlighted.
input sleep 300 key 0x44 sleep 500 key 0x0D
answer_boxes "$invoker" >/dev/null 2>&1
for _ in $(seq 50); do [ -f "$c/コピー先/見積書.txt" ] && break; sleep 0.2; done
cat "$work/invoke.out"
cmp -s "$data/見積書.txt" "$c/コピー先/見積書.txt" || die "the file was not copied to C:\\コピー先"
echo "copied: C:\\コピー先\\見積書.txt"
# After the copy the folder that holds the new file opens (a Wine explorer window here): closed.
for _ in $(seq 25); do driver close 'コピー先' >/dev/null 2>&1 && break; sleep 0.2; done
user_close_menus

step "the tray menu's 設定: the preview page, 画像の場合周りの余白を取る off, OK"
driver icon right menu 5000 sleep 300 key 0x53 >/dev/null || die "no tray menu"
await_dialog "$settings_title" || die "no settings dialog"
driver select "$settings_title" 1000 10 sleep 300 dialog "$settings_title" 2116 sleep 300 dialog "$settings_title" 1003 \
  box ok 10000 >/dev/null || die "settings dialog"
for _ in $(seq 50); do driver windows | grep -q "#32770 $settings_title" || break; sleep 0.2; done

step "the tray follows: the picture is previewed with its frame"
preview_picture
grep -qw $((cut + 38)) <<<"$widths" || die "the preview did not follow the setting: no width $((cut + 38)) (widths: $widths)"
user_close_menus

step "uninstall: PVNSet.exe, アンインストール, Yes to its questions"
user_uninstall
echo "the tray has ended"

step "the registry and the profile are as they were"
user_left_behind || die "left behind (above)"
echo "PASS"
