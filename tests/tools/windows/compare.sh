# Sourced by the tests that hold a Windows tool under Wine against its Linux
# build: compare TAG ARGUMENTS... runs both with the same arguments and
# compares what they print (standard output, then standard error) and their
# exit statuses. The Windows tool writes
# the console's OEM code page (437 under Wine; the German letters have the
# same bytes in 850) with CR LF line ends; its output is turned into UTF-8
# with LF first. compare_bytes compares standard output byte for byte. A
# folder "x" that a run writes is kept as lin-TAG or win-TAG.
#
# Needs: linux (the Linux tool, as a command array), exe (the Windows tool).
# Sets failed=1 on a difference.

# Wine then takes the arguments as UTF-8 and gives the program code page 1252.
export LANG=C.UTF-8 LC_ALL=C.UTF-8 WINEDEBUG=-all
failed=0

report() {
  if [ "$2" != "$3" ]; then
    printf 'FAIL %s\n-- Linux:\n%s\n-- Windows:\n%s\n' "$1" "$2" "$3"
    failed=1
  else
    echo "ok   $1"
  fi
}

# Output goes to files, never through a pipe: a Wine server that a run starts
# leaves its own processes behind, which would hold a pipe open.
run_both() {
  lin_status=0 win_status=0
  "${linux[@]}" "$@" >lin.out 2>lin.err </dev/null || lin_status=$?
  if [ -d x ]; then mv x "lin-$tag"; fi
  wine "$exe" "$@" >win.out 2>win.err </dev/null || win_status=$?
  if [ -d x ]; then mv x "win-$tag"; fi
}

compare() {
  local tag=$1; shift
  run_both "$@"
  report "$tag" "$(cat lin.out lin.err; echo "Exit-Status $lin_status")" \
    "$(cat win.out win.err | tr -d '\r' | iconv -f CP437 -t UTF-8; echo "Exit-Status $win_status")"
}

compare_bytes() {
  local tag=$1; shift
  run_both "$@"
  report "$tag" "$(od -An -c lin.out; echo "Exit-Status $lin_status")" "$(od -An -c win.out; echo "Exit-Status $win_status")"
}
