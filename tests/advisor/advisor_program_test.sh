#!/usr/bin/env bash
# tumbla-advisor as a program: one answer line per input line, errors on their own lines
# with the rest answered, the exit status, and the usage for bad arguments.
#   tests/advisor/advisor_program_test.sh ADVISOR
set -uo pipefail
advisor=$1
failed=0
check() {
  if [[ "$2" != "$3" ]]; then
    printf 'advisor test: %s\n  expected: %s\n  got:      %s\n' "$1" "$3" "$2" >&2
    failed=1
  fi
}

output=$(printf 'card=- roll=0\ncard=Sixes:7 roll=0\ncard=- roll=3 dice=66666\n' | "$advisor")
check "status after a bad line" "$?" 1
check "answers around a bad line" "$output" $'roll expect 237.4206\nerror: Sixes cannot hold 7\ntake TUMBLA expect 301.5555'

output=$(printf 'card=- roll=0\n' | "$advisor" --all)
check "status when every line is read" "$?" 0
check "--all for a turn not rolled" "$output" 'roll expect 237.4206'

output=$("$advisor" --play 2 --seed 5)
check "status of --play" "$?" 0
[[ $output =~ ^games\ 2\ mean\ [0-9]+\.[0-9]{2}\ sd\ [0-9]+\.[0-9]{2}\ se\ [0-9]+\.[0-9]{2}$ ]] || check "--play line" "$output" "games 2 mean M sd S se E"

for bad in "--play" "--play 10" "--seed 3" "--play x --seed 1" "--play 10 --seed 1 --all" "--verbose"; do
  # shellcheck disable=SC2086
  "$advisor" $bad </dev/null >/dev/null 2>&1
  check "status for arguments '$bad'" "$?" 2
done
exit "$failed"
