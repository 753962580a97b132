# Sourced by the screenshot tours. start_program FOLDER FIRST_DISPLAY starts a private Xvfb on
# the first free display from FIRST_DISPLAY on, exports DISPLAY, starts the program of the
# program folder FOLDER and waits for its window; the caller's trap kills $app and $xvfb.
start_program() {
  local folder=$1 display=$2
  while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=":$display"
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
  KAIVORA_READY_FILE="$folder/ready" "$folder/kaivora" >/dev/null 2>&1 &
  app=$!
  for _ in $(seq 600); do [ -e "$folder/ready" ] && break; sleep 0.1; done
  sleep 2
}

# For the screenshot tours: tour_folder NAME copies the built program folder into a new
# folder $copy (so that the build's bank stays as it is) and installs xdotool if missing;
# shot PAUSE NAME saves the screen as $out/NAME.png after PAUSE seconds; click X Y [PAUSE].
tour_folder() {
  command -v xdotool >/dev/null || { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq xdotool; }
  copy=$(mktemp -d "/tmp/kaivora-$1.XXXXXX")
  cp -r build/kaivora/. "$copy"
}
shot() { sleep "$1"; import -window root "$out/$2.png"; echo "$out/$2.png"; }
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-1}"; }
