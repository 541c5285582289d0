#!/usr/bin/env bash
# Hear what a blind pilot hears: runs the calculator under the Orca screen reader on a
# private desktop, walks through a visit with real key presses, and prints every
# utterance Orca sent to speech, one a line, in order. Lines starting "#" are not speech:
# they name the step that follows.
#
#   scripts/orca-session.sh [BUILD_DIR]       BUILD_DIR defaults to build/default
#
# Exit status 0 when the whole visit ran and the program closed with status 0. With
# ORCA_SESSION_TIMES=1 each line starts with the seconds since Orca came up, and the keys
# pressed are shown as "> key" lines; with ORCA_SESSION_DEBUG=FILE Orca writes its debug log
# (every event it got and what it did with it) to FILE. About 80 seconds; it is a tool, not a test.
#
# Speech goes to speech-dispatcher as on any desktop, but its only output module is a
# generic one whose "synthesizer" appends the text to a file: each line is what a voice
# would have been given, after speech-dispatcher's own punctuation and symbol handling.
# Nothing is played. The desktop (Xvfb, a private D-Bus session, the accessibility bus)
# comes from tests/e2e/run_atspi.sh.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
program=Quenmar_Aviation_Calculator

# ---------------------------------------------------------------- outside the desktop
if [ -z "${ORCA_SESSION_BUILD:-}" ]; then
  build=$(cd "${1:-$root/build/default}" 2>/dev/null && pwd) || {
    echo "no build folder ${1:-$root/build/default}" >&2
    exit 1
  }
  for f in "$program" vdats.tst m9.gif m8.gif; do
    [ -e "$build/$f" ] || {
      echo "$build has no $f: build first (cmake --preset default && cmake --build --preset default -j2)" >&2
      exit 1
    }
  done

  packages=(orca speech-dispatcher speech-dispatcher-audio-plugins xvfb xauth xdotool
            dbus-daemon at-spi2-core libglib2.0-bin)
  missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}" >&2
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    # No recommends: they bring a real voice and a sound server, neither wanted here.
    { $sudo apt-get update -qq &&
      DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq -o DPkg::Lock::Timeout=300 \
        --no-install-recommends "${missing[@]}"; } >&2 || {
      echo "could not install ${missing[*]}" >&2
      exit 1
    }
  fi

  # The desktop's daemons print on standard output: the transcript comes back in a file.
  out=$(mktemp /tmp/orca-session-transcript.XXXXXX)
  trap 'rm -f "$out"' EXIT
  ORCA_SESSION_BUILD="$build" ORCA_SESSION_OUT="$out" "$root/tests/e2e/run_atspi.sh" "$0" >&2
  status=$?
  cat "$out"
  exit $status
fi

# ---------------------------------------------------------------- inside the desktop
build="$ORCA_SESSION_BUILD" out="$ORCA_SESSION_OUT" times="${ORCA_SESSION_TIMES:-}"
unset ORCA_SESSION_BUILD ORCA_SESSION_OUT
work=$(mktemp -d /tmp/orca-session.XXXXXX)
speech="$work/speech.log"   # "epoch-seconds<TAB>utterance" lines
: >"$speech"
pids=()
app=""
ok=0

# The program first, then Orca (which takes some seconds to act on its signal), then the
# speech server; whatever does not end within 10 s is killed.
cleanup() {
  local k pid
  for ((k = ${#pids[@]} - 1; k >= 0; k--)); do
    pid=${pids[k]}
    kill "$pid" 2>/dev/null || continue
    timeout 10 tail --pid="$pid" -f /dev/null 2>/dev/null || kill -9 "$pid" 2>/dev/null
  done
  if [ "$ok" = 1 ]; then
    rm -rf "$work"
  else
    echo "orca-session: logs kept in $work" >&2
  fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# One utterance a line; the runs of spaces Orca pads words with are not heard.
transcript() {
  awk -v times="$times" '
    { tab = index($0, "\t"); t = substr($0, 1, tab - 1); text = substr($0, tab + 1)
      gsub(/[[:space:]]+/, " ", text); sub(/^ /, "", text); sub(/ $/, "", text)
      if (text == "") next
      if (t0 == "") t0 = t
      if (times) printf "%6.2f %s\n", t - t0, text; else print text }' "$speech"
}

fail() {
  echo "orca-session: $*" >&2
  echo "--- spoken so far:" >&2
  transcript >&2
  exit 1
}

mark() { printf '%s\t%s\n' "$(date +%s.%N)" "$*" >>"$speech"; }
step() { mark "# $*"; }
spoken() { grep -q -- "$1" "$speech"; }

# Orca, speech-dispatcher and GTK keep settings under HOME: keep them private and stock.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
export XDG_DATA_HOME="$work/home/.local/share" XDG_CACHE_HOME="$work/home/.cache"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"

# speech-dispatcher: Debian's settings (punctuation and symbols included) and one output
# module, in the place where a server autospawned by Orca would look as well. The module
# runs its command through bash for each utterance with the text for $DATA, single quotes
# already escaped; one printf makes one write, so lines never mix with the step marks.
# The delimiter (a control character) and the chunk length hand each utterance over whole
# rather than cut at full stops.
sdconf="$XDG_CONFIG_HOME/speech-dispatcher"
mkdir -p "$sdconf/modules"
cp /etc/speech-dispatcher/speechd.conf "$sdconf/"
cp -r /etc/speech-dispatcher/clients "$sdconf/"
cat >>"$sdconf/speechd.conf" <<'EOF'
AddModule "transcript" "sd_generic" "transcript.conf"
DefaultModule transcript
AudioOutputMethod "libao"
EOF
sed -e "s|@SPEECH@|$speech|" -e "s|@US@|$(printf '\037')|" >"$sdconf/modules/transcript.conf" <<'EOF'
GenericExecuteSynth "line=$(printf '%s' '$DATA' | tr '\\n' ' '); printf '%s\\t%s\\n' \"$(date +%s.%N)\" \"$line\" >> '@SPEECH@'"
GenericDelimiters "@US@"
GenericMaxChunkLength 100000
GenericLanguage "en" "en" "utf-8"
AddVoice "en" "MALE1" "transcript"
DefaultVoice "transcript"
EOF

# Waits until COMMAND succeeds, at most SECONDS.
wait_until() {
  local seconds=$1 what=$2
  shift 2
  local end=$((SECONDS + seconds))
  until "$@"; do
    [ $SECONDS -lt $end ] || fail "timed out after $seconds s waiting for $what"
    sleep 0.1
  done
}

# Waits until nothing more has been said for MS milliseconds (default 500; at most 10 s
# in all): Orca has then said what it will about the last key.
quiet() {
  local need=$((${1:-500} / 100)) size last=-1 still=0 end=$((SECONDS + 10))
  while [ $SECONDS -lt $end ]; do
    size=$(stat -c %s "$speech")
    if [ "$size" = "$last" ]; then
      still=$((still + 1))
      [ $still -ge $need ] && return 0
    else
      still=0 last=$size
    fi
    sleep 0.1
  done
}

ended() { ! kill -0 "$app" 2>/dev/null; }
running() { ended && fail "the program ended before the visit was over"; }

# Real key presses into the X server (xdotool's XTEST), each followed by what Orca says.
# KEYS are xdotool key names; a QUIET=ms prefix waits longer, for a box or a focus move
# that Orca takes its time over.
press() {
  local k
  for k in "$@"; do
    running
    [ -n "$times" ] && mark "> $k"
    xdotool key "$k"
    quiet "${QUIET:-500}"
  done
}
# Characters one at a time, each followed by what Orca says (the keypad changes the
# display at each one; in a field only the key is echoed: MS, default 500, can be less).
keys() {
  local text=$1 i
  for ((i = 0; i < ${#text}; i++)); do
    running
    [ -n "$times" ] && mark "> ${text:i:1}"
    xdotool type "${text:i:1}"
    quiet "${2:-500}"
  done
}
# Tab until what Orca says about the new focus matches PATTERN (at most 30 Tabs).
tab_to() {
  local pattern=$1 what=$2 n size
  for ((n = 0; n < 30; n++)); do
    size=$(stat -c %s "$speech")
    press Tab
    tail -c +$((size + 1)) "$speech" | grep -q -- "$pattern" && return 0
  done
  fail "no $what after 30 Tabs"
}

# ---------------------------------------------------------------- the session
speech-dispatcher -s -t 0 -C "$sdconf" -L "$work" >"$work/speechd.out" 2>&1 &
pids+=($!)
disown
wait_until 10 "speech-dispatcher" test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock"

orca --replace -u "$work/orca-settings" ${ORCA_SESSION_DEBUG:+--debug-file "$ORCA_SESSION_DEBUG"} \
  >"$work/orca.out" 2>&1 &
pids+=($!)
disown
wait_until 30 "Orca to say it is on" spoken "Screen reader on"
quiet

step "the program starts"
cd "$build" || fail "no $build"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "./$program" >"$work/program.out" 2>&1 &
app=$!
pids+=("$app")
wait_until 20 "the program's window" xdotool search --onlyvisible --name "Quenmar" >/dev/null
wait_until 20 "Orca to read the window" spoken $'\tQuenmar'
quiet 1000

# A keypad key's description starts "Calculator key", a conversion button's "Converts".
step "2+3= on the keypad"
spoken "Calculator key" || tab_to "Calculator key" "keypad key"
keys "2+3="

step "c, 100, Alt+U: Celsius > F"
keys "c100"
press alt+u

step "Tab to a conversion button, Alt+W: Crosswind Component"
tab_to "Converts" "conversion button"
QUIET=1500 press alt+w
step "the fields: 20, Enter, 30="
keys 20 300
press Return
keys 30 300
press equal

step "Alt+P: Look Up Airport ID, ottawa="
QUIET=1500 press alt+p
keys ottawa 300
QUIET=1500 press equal
step "the first match: Tab to Skip, Enter"
press Tab
QUIET=1500 press Return
step "the second match: Enter on OK keeps it"
QUIET=1500 press Return

step "Alt+P again, ottawa=, Esc at the first question"
QUIET=1500 press alt+p
keys ottawa 300
QUIET=1500 press equal
QUIET=1500 press Escape

step "Alt+Y: Xcntry Dist and Track, CYOW, Enter, CYYZ="
QUIET=1500 press alt+y
keys CYOW 300
press Return
keys CYYZ 300
press equal

step "Tab away and Shift+Tab back: the destination field with its text selected"
press Tab
QUIET=1000 press shift+Tab

step "Tab to a keypad key, F1, Esc"
tab_to "Calculator key" "keypad key"
QUIET=1500 press F1
QUIET=1500 press Escape

step "Esc on the keypad key, Esc on the farewell box"
QUIET=1500 press Escape
running
[ -n "$times" ] && mark "> Escape"
xdotool key Escape
wait_until 10 "the program to close" ended
wait "$app"
status=$?
quiet
[ $status -eq 0 ] || fail "the program ended with status $status"

transcript >"$out"
ok=1
