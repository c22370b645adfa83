# Sourced by the shell checks. `check DESCRIPTION COMMAND...` counts a check
# and names it when it fails; `fails COMMAND...` is the opposite of the
# command; `checks_done` prints the count and fails if any check did.
passed=0 failed=0
check() {
    "${@:2}" && passed=$((passed + 1)) && return
    echo "FAILED: $1"
    failed=$((failed + 1))
}
fails() { ! "$@"; }
checks_done() {
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}
