#!/usr/bin/env bash
# The command line of the real program: what each option prints and how it exits, with and without a
# display (a bad command line is answered before any window), Qt's own options, and a --settings that is
# refused with its reason. A --settings that is taken is no_jack_server.sh's.
source "$(dirname "$0")/lib.sh"
cp "$CLAVITO_BUILT" "$WORK/"
# answers <exit code> <stdout|stderr> <pattern> <arguments...>; a usage error writes nothing on stdout. A
# program that started instead would run until the guard's timeout.
answers() {
    local status=0
    (cd "$WORK" && timeout 60 ./clavito "${@:4}") >"$WORK/stdout" 2>"$WORK/stderr" || status=$?
    [ "$status" = "$1" ] && grep -qE "$3" "$WORK/$2" || fail "clavito ${*:4} exited with $status: $(cat "$WORK/$2")"
    [ "$1" = 0 ] || [ ! -s "$WORK/stdout" ] || fail "clavito ${*:4} wrote on stdout"
}
answers 0 stdout '^Usage: clavito \[--settings FILE\]' --help
answers 0 stdout '^Usage: clavito' -h
answers 0 stdout '^clavito 1\.[0-9]+$' --version
answers 0 stdout '^clavito 1\.[0-9]+$' -platform offscreen -v
bad_command_lines() {
    local bad
    for bad in --bogus -x extra --settings; do
        answers 2 stderr '^Usage: clavito' $bad
        answers 2 stderr '^Usage: clavito' -platform offscreen -style=Fusion $bad
    done
    answers 2 stderr "^clavito: --settings $WORK: that is a folder, not a file$" --settings "$WORK"
    answers 2 stderr '^clavito: --settings nowhere/my.ini: the folder .*/nowhere does not exist$' \
        -style Fusion --settings nowhere/my.ini
    [ "$(wc -l <"$WORK/stderr")" = 1 ] || fail "more than one line for a refused --settings: $(cat "$WORK/stderr")"
}
(unset DISPLAY WAYLAND_DISPLAY && bad_command_lines)
start_xvfb
bad_command_lines
echo PASS
