#!/bin/sh
# The package's files checked by the judges distributions apply, and against the tool itself.
#   checks.sh desktop FILE | metainfo FILE | man PAGE... | docs CLI MANPAGE COMPLETION | completion COMPLETION
# Exits 77 (a skip) when the judge is not installed.
set -eu

require() {
  command -v "$1" >/dev/null 2>&1 && return 0
  echo "skipped: $1 is not installed (sh scripts/install-deps.sh test brings it)"
  exit 77
}

# The page as a reader sees it, plain text.
rendered() {
  LC_ALL=C.UTF-8 MANWIDTH=400 man -l "$1" 2>/dev/null | col -b
}

# Every command, kind and option of the tool's own usage is in the page and in the completion.
check_docs() {
  cli=$1 text=$(rendered "$2") completion=$3 status=0
  commands=$("$cli" --help | sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p')
  [ -n "$commands" ] || { echo "no commands in the usage of $cli"; exit 1; }
  for command in $commands; do
    printf '%s\n' "$text" | grep -q "^ *$command\b" || { echo "the page does not describe '$command'"; status=1; }
    grep -qw -- "$command" "$completion" || { echo "$completion does not complete '$command'"; status=1; }
  done
  for command in import tool; do
    usage=$("$cli" "$command" 2>&1 || true)
    kinds=$(printf '%s\n' "$usage" | sed -n "s/^  $command \([a-z][a-z-]*\).*/\1/p")
    [ -n "$kinds" ] || { echo "no kinds in the usage of $cli $command"; exit 1; }
    for kind in $kinds; do
      printf '%s\n' "$text" | grep -q "^ *$command $kind\b" || { echo "the page does not describe '$command $kind'"; status=1; }
      grep -qw -- "$kind" "$completion" || { echo "$completion does not complete '$command $kind'"; status=1; }
      for option in $(printf '%s\n' "$usage" | grep "^  $command $kind " | grep -o -- '--[a-z][a-z0-9-]*' | sort -u); do
        printf '%s\n' "$text" | grep -q -- "^ *$command $kind .*$option\b" || { echo "the page lacks $command $kind $option"; status=1; }
        grep -q -- "$command\\\\ $kind).*$option\b" "$completion" || { echo "$completion lacks $command $kind $option"; status=1; }
      done
    done
  done
  for option in $("$cli" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
    printf '%s\n' "$text" | grep -q -- "$option\b" || { echo "the page lacks $option"; status=1; }
    grep -q -- "$option\b" "$completion" || { echo "$completion lacks $option"; status=1; }
  done
  return $status
}

case $1 in
  desktop)
    require desktop-file-validate
    out=$(desktop-file-validate "$2" 2>&1) || { echo "$out"; exit 1; }
    # Hints are advice; errors and warnings fail.
    echo "$out" | grep -v ': hint: ' | grep . && exit 1
    exit 0
    ;;
  metainfo)
    require appstreamcli
    appstreamcli validate --no-net "$2"
    ;;
  man)
    require man
    shift
    for page in "$@"; do
      warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
      [ -z "$warnings" ] || { echo "$page: $warnings"; exit 1; }
      LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" | grep -q 'EXIT STATUS' || { echo "$page has no EXIT STATUS"; exit 1; }
    done
    ;;
  docs)
    check_docs "$2" "$3" "$4"
    ;;
  completion)
    require bash
    exec bash "$(dirname "$0")/completion-test.bash" "$2"
    ;;
  *)
    echo "usage: $0 desktop|metainfo|man|docs|completion ..." >&2
    exit 2
    ;;
esac
