# shellcheck shell=bash
# Steps shared by the screenshot scripts; sourced with root (the top of the tree) and bin (the build
# tree's bin folder) set:
#   shots_enter STATE [SCREEN]     start the environment of STATE (screen as WxHxD) and take it over
#   reg_dword NAME N, reg_text NAME TEXT   a value of the settings key
#   driver STEP..., input ACTION...        PvnDriver and PvnInput; the driver's output on stdout
#   await_dialog TITLE             wait until a dialog with the title is up (a cold start is slow)
#   await_exit PID [SECONDS]       wait for a background process; end it when it takes too long
#   answer_boxes PID               answer its boxes with Yes (or OK) until it ends
#   first_installation             remove what an earlier installation left in the prefix
#   appdata                        the user's application-data folder, as a Unix path
#   tray_resident                  whether a tray answers code 4
#   sjis                           standard input as a Windows program writes text: code page 932, CR LF
#   await_menu                     wait for a pop-up menu and put the pointer on its first item,
#                                  which is then highlighted; prints the driver's "menu" lines
#   menu_open EXE ARG X Y          start EXE (a PVNMain.exe) on ARG with the cursor at X Y, in the
#                                  background, and await its menu
#   menu_close                     Esc until the menu program ends
#   capture FILE [PATTERN]         the screen into FILE (.png or .jpg, without time stamps), cropped to
#                                  the visible top-level windows whose "CLASS TITLE" matches the
#                                  extended regular expression PATTERN, on white between them
pvn_key='HKCU\Software\Morrick\Parvane'

shots_enter() {
  PVN_SCREEN=${2:-1280x1024x24} "$root/tools/wine/env" up "$1"
  eval "$("$root/tools/wine/env" shell "$1")"
}

reg_dword() { wine reg add "$pvn_key" /v "$1" /t REG_DWORD /d "$2" /f </dev/null >/dev/null 2>&1; }
reg_text() { wine reg add "$pvn_key" /v "$1" /t REG_SZ /d "$2" /f </dev/null >/dev/null 2>&1; }

# The driver's output once it ends; a step that found nothing is also told on stderr.
driver() {
  local out status=0
  out=$(wine "$bin/PvnDriver.exe" "$@" </dev/null 2>/dev/null) || status=$?
  out=${out//$'\r'/}
  [ -z "$out" ] || printf '%s\n' "$out"
  [ "$status" = 0 ] || echo "PvnDriver $*: $(grep '^fail' <<<"$out" || echo "status $status")" >&2
  return "$status"
}
input() { wine "$bin/PvnInput.exe" "$@" </dev/null >/dev/null 2>&1 || true; }

await_dialog() {
  local _
  for _ in $(seq 60); do
    driver dialog "$1" 2>/dev/null | grep -q '^control' && return 0
    sleep 0.5
  done
  echo "no dialog: $1" >&2
  return 1
}

# Waits up to SECONDS (default 30) for a process started in the background; ends it after that.
await_exit() {
  local _
  for _ in $(seq $((${2:-30} * 5))); do
    kill -0 "$1" 2>/dev/null || { wait "$1" 2>/dev/null || true; return 0; }
    sleep 0.2
  done
  echo "still running, ended: $1" >&2
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
  return 1
}

# Answers Yes (OK where there is no Yes) to each box of a background process until it ends.
answer_boxes() {
  local _
  for _ in $(seq 60); do
    kill -0 "$1" 2>/dev/null || break
    driver box yes 1000 >/dev/null 2>&1 || true
  done
  await_exit "$1" 5
}

# Nothing left of an earlier installation or of a test installation (whose settings key, without a
# version, the installer would take for an old one), nor of its desktop shortcuts.
first_installation() {
  wine reg delete "$pvn_key" /f </dev/null >/dev/null 2>&1 || true
  local desktop
  desktop=$(winepath -u "$(wine cmd /c 'echo %USERPROFILE%\Desktop' </dev/null 2>/dev/null | tr -d '\r')")
  rm -f "$desktop/My Documents.lnk" "$desktop/Drive List.lnk"
}

appdata() { winepath -u "$(wine cmd /c 'echo %APPDATA%' </dev/null 2>/dev/null | tr -d '\r')"; }

tray_resident() { driver request 4 2>/dev/null | grep -q 'answer: 1'; }

sjis() { iconv -f UTF-8 -t CP932 | sed 's/$/\r/'; }

await_menu() {
  local shown x y w
  shown=$(driver menu 15000 | grep -E '^(menu|item):') || return 1
  printf '%s\n' "$shown"
  # Whether the first item is highlighted before the keys come would depend on where the menu lands
  # and on when the window system reports the pointer: the pointer on that item decides it.
  read -r _ x y w _ <<<"$shown"
  input move $((x + w / 2)) $((y + 10)) sleep 100
}

menu_open() {
  input move "$3" "$4"
  wine "$1" "$2" </dev/null >/dev/null 2>&1 &
  menu_pid=$!
  await_menu || { echo "no menu: $1 $2" >&2; return 1; }
}

menu_close() {
  local _
  for _ in 1 2 3 4 5 6; do
    kill -0 "$menu_pid" 2>/dev/null || break
    input key 0x1B key 0x1B key 0x1B sleep 300
  done
  await_exit "$menu_pid" 5 || true
}

# The matching windows' rectangles as ImageMagick geometries, after their union; nothing when none
# match. Rectangles are clipped to the screen's top and left.
window_rects() {
  driver windows | sed -n 's/^window: //p' | awk -v re="$1" '
    { rest = $0; sub(/^[-0-9]+ [-0-9]+ [0-9]+ [0-9]+ /, "", rest) }
    rest ~ re && $3 > 1 && $4 > 1 {
      l = $1 < 0 ? 0 : $1; t = $2 < 0 ? 0 : $2; r = $1 + $3; b = $2 + $4
      rect[n + 0] = sprintf("%dx%d+%d+%d", r - l, b - t, l, t)
      if (!n || l < L) L = l
      if (!n || t < T) T = t
      if (!n || r > R) R = r
      if (!n || b > B) B = b
      n++
    }
    END {
      if (!n) exit
      printf "%dx%d+%d+%d\n", R - L, B - T, L, T
      for (i = 0; i < n; i++) print rect[i]
    }'
}

# Several windows are laid on white, so that the screen between them does not show.
capture() {
  local file=$1 format=(-strip -define png:exclude-chunks=date,time)
  case $file in *.jpg) format=(-strip -quality 90) ;; esac
  if [ $# -lt 2 ]; then
    import -window root "${format[@]}" "$file" && echo "$file"
    return
  fi
  local rects screen
  mapfile -t rects < <(window_rects "$2")
  if [ ${#rects[@]} -eq 0 ]; then echo "nothing to capture for $file: $2" >&2; return 1; fi
  screen=$(mktemp --suffix=.miff)
  import -window root "$screen"
  local union=${rects[0]} args=() r x y ux uy
  IFS=+ read -r _ ux uy <<<"$union"
  args=(-size "${union%%+*}" xc:white)
  for r in "${rects[@]:1}"; do
    IFS=+ read -r _ x y <<<"$r"
    args+=("(" "$screen" -crop "$r" +repage ")" -geometry "+$((x - ux))+$((y - uy))" -composite)
  done
  local status=0
  convert "${args[@]}" "${format[@]}" "$file" || status=$?
  rm -f "$screen"
  [ "$status" = 0 ] && echo "$file"
  return "$status"
}
