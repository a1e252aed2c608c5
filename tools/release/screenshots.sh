#!/usr/bin/env bash
# The fourteen pictures of ReadMe.htm, taken from the running system in the build tree's Wine
# environment and cropped to the windows they show:
#   tools/release/screenshots.sh BUILD_DIR OUT_DIR
# A user's way through it: the installation dialog, installing, the tray's menus, folder menus with
# an item's context menu, a preview and the file-operation menu, two settings pages, the list editor,
# uninstalling. Needs PVNSet, PVNTray, PVNMain, PvnDriver and PvnInput in BUILD_DIR/bin.
# A step that fails does not stop the others: the pictures not taken are named at the end.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:?build dir}" && pwd) || exit 1
out=$(mkdir -p "${2:?output dir}" && cd "$2" && pwd) || exit 1
bin=$build/bin
. "$root/tools/wine/shots.sh"
. "$root/tools/wine/tray.sh"

state=$build/wine
was_up=0
[ -f "$state/xvfb.pid" ] && kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null && was_up=1
shots_enter "$state" || exit 1

title='Parvane Ver.3.12 のインストール'
menus='^#32768 '
c=$(winepath -u 'C:\') && c=${c%/}
data=$c/データ
inst=$c/Tools/Parvane

cleanup() {
  # A tray left by an uninstallation that did not finish.
  tray_resident && tray_quit "$bin"
  rm -rf "$data" "$c/Tools"
  [ "$was_up" = 1 ] || "$root/tools/wine/env" down "$state"
}
trap cleanup EXIT

# A user's own folders; texts in the system code page, as Windows programs write them.
rm -rf "$data"
mkdir -p "$data/仕事/見積書" "$data/仕事/会議資料" "$data/仕事/請求書" "$data/写真 2026/京都旅行" "$data/音楽" \
  "$data/ダウンロード"
sjis >"$data/議事録 12月.txt" <<'TEXT'
定例会議 議事録
日時：2026年12月7日（月）10:00～11:30
場所：第2会議室
出席：山田、佐藤、鈴木、高橋

1. 新製品の発売日について
   ・発売日は2027年2月15日で確定
   ・店頭用のポスターは1月中旬までに手配する
2. 見積書の書式変更
   ・来月から新しい書式を使う
3. 次回の予定
   ・12月21日（月）10:00～
TEXT
sjis >"$data/見積書.txt" <<'TEXT'
御見積書
件名：事務用品一式
合計金額：123,000円（税込）
TEXT
sjis >"$data/住所録.csv" <<'TEXT'
氏名,郵便番号,住所
山田 太郎,100-0001,東京都千代田区千代田1-1
TEXT
sjis >"$data/旅行の計画.txt" <<'TEXT'
京都旅行の計画
1日目：清水寺、祇園
TEXT
sjis >"$data/仕事/見積書/見積書 A社.txt" <<<'A社 御見積書'
sjis >"$data/仕事/会議資料/資料 12月.txt" <<<'会議資料'
for name in 金閣寺 嵐山 伏見稲荷; do
  convert -size 160x120 gradient:skyblue-forestgreen "BMP3:$data/写真 2026/京都旅行/$name.bmp"
done
convert -size 160x120 gradient:pink-white "BMP3:$data/写真 2026/桜.bmp"
convert -size 160x120 gradient:navy-orange "BMP3:$data/写真 2026/花火大会.bmp"

# The unpacked release: the programs of this tree; the pictures are what this script makes.
rm -rf "$inst" && mkdir -p "$inst/image"
cp "$bin/PVNSet.exe" "$bin/PVNTray.exe" "$bin/PVNMain.exe" "$inst/"
[ -f "$bin/PVNShlEx64.dll" ] && cp "$bin/PVNShlEx64.dll" "$inst/"
for f in PVNShlEx32.dll PVNShlEx64.dll ReadMe.htm image/PVNMain.png image/context.png image/drive.png \
         image/edit.png image/fav.png image/fop1.png image/fop2.png image/install.png image/left.png \
         image/open.png image/other.png image/preview.jpg image/right.png image/uninst.png; do
  [ -f "$inst/$f" ] || printf 'x' >"$inst/$f"
done

first_installation

# PVNSet from the release folder, in the background: setup_pid is the program itself.
setup() {
  (cd "$inst" && exec wine PVNSet.exe "$@" </dev/null >/dev/null 2>&1) &
  setup_pid=$!
}

setup
await_dialog "$title"
sleep 0.5
capture "$out/install.png" "^#32770 $title\$"
# The first installation's note about the reset pages, then its end; the tray starts resident.
driver dialog "$title" 3311 >/dev/null
answer_boxes "$setup_pid"
for _ in $(seq 150); do tray_resident && break; sleep 0.2; done

lists=$(appdata)/Morrick
sjis >"$lists/PVNRecent.lst" <<'LIST'
c:\Program Files
c:\データ\ダウンロード
c:\データ\音楽
c:\データ\仕事\会議資料
c:\データ\写真 2026
c:\データ\仕事\見積書
LIST
sjis >"$lists/PVNFavorites.lst" <<'LIST'
C:\データ\仕事
C:\データ\写真 2026
C:\データ\音楽
-
C:\データ
C:\
LIST
# Menus without their item tooltips; the drive menu without z:, which Wine maps to /.
reg_dword ToolTipOn 0
reg_text Drive cqr

# The tray icon's menus.
input move 700 300
driver icon left menu >/dev/null
input key 0x28 key 0x28 sleep 300
capture "$out/left.png" "$menus"
input key 0x1B sleep 300
input move 700 300 down 0x10
driver icon left menu >/dev/null
input up 0x10 key 0x28 sleep 300
capture "$out/fav.png" "$menus"
input key 0x1B sleep 300
input move 900 300
driver icon right menu >/dev/null
input key 0x28 key 0x28 key 0x28 sleep 300
capture "$out/right.png" "$menus"
input key 0x1B sleep 300

# Folder menus: a sub-menu open, the drive menu, an item's context menu, a preview.
# 開く is highlighted first; then the folders and the files by name.
down() { local keys=(); for _ in $(seq "$1"); do keys+=(key 0x28); done; input "${keys[@]}"; }
menu_open "$inst/PVNMain.exe" 'C:\データ' 300 200
down 4
input key 0x27 sleep 300 key 0x28 key 0x28 sleep 300
capture "$out/PVNMain.png" "$menus"
menu_close
menu_open "$inst/PVNMain.exe" '' 300 200
input key 0x28 sleep 300
capture "$out/drive.png" "$menus"
menu_close
# Tab asks for the context menu of the highlighted item as the right button does, at the item.
menu_open "$inst/PVNMain.exe" 'C:\データ' 300 200
down 6
input key 0x09 sleep 800
capture "$out/context.png" "$menus"
# The keys stay with the folder menu, which waits for the tray's answer.
driver escape >/dev/null
menu_close
menu_open "$inst/PVNMain.exe" 'C:\データ' 200 150
down 5
input key 0x20 sleep 1500
capture "$out/preview.jpg" '^(#32768|MENUTOOLTIPTEXT) '
menu_close

# The file-operation menu of a file, from its Ctrl+F in the folder menu; then its copy sub-menu.
menu_open "$inst/PVNMain.exe" 'C:\データ' 300 200
down 6
input key 0x11+0x46
driver menu >/dev/null
input sleep 300
capture "$out/fop1.png" "$menus"
input key 0x43 sleep 500
capture "$out/fop2.png" "$menus"
input key 0x1B key 0x1B key 0x1B sleep 300
menu_close

# Two settings pages with the installed values, each as the dialog reopens on the page last shown.
reg_dword ToolTipOn 1
for page in 0:open 14:other; do
  reg_dword CurPage "${page%%:*}"
  setup set
  await_dialog 'Parvane の設定' && sleep 0.5 && capture "$out/${page#*:}.png" '^#32770 Parvane の設定$'
  driver dialog 'Parvane の設定' 1002 >/dev/null || true
  await_exit "$setup_pid" || true
done

editor='最近開いたフォルダとお気に入りフォルダの編集'
setup edit
await_dialog "$editor" && sleep 0.5 && capture "$out/edit.png" "^#32770 $editor\$"
driver dialog "$editor" 3013 >/dev/null || true
await_exit "$setup_pid" || true

# Uninstalling: its question about the lists, which stands over the progress window.
setup
await_dialog "$title"
driver dialog "$title" 3303 sleep 300 dialog "$title" 3311 >/dev/null || true
driver dialog Parvane >/dev/null && sleep 0.5 && capture "$out/uninst.png" '^#32770 Parvane'
# The lists, then the two desktop shortcuts, then the end.
answer_boxes "$setup_pid"

missing=0
for f in PVNMain.png context.png drive.png edit.png fav.png fop1.png fop2.png install.png left.png open.png \
         other.png preview.jpg right.png uninst.png; do
  [ -s "$out/$f" ] || { echo "not taken: $out/$f" >&2; missing=1; }
done
exit $missing
