#!/usr/bin/env bash
# The program opens no file of its own and no network connection: its pictures and fonts come from
# inside the binary. A scripted session runs under strace; every file it opens must lie outside the
# project's source and build folders (system libraries, Qt plugins, the system's font configuration),
# and every socket must be a local one.
set -euo pipefail
session=$1 source=$2 build=$3
log=$(mktemp)
trap 'rm -f "$log"' EXIT
QT_QPA_PLATFORM=offscreen strace -f -qq -e trace=open,openat,creat,socket,connect -o "$log" "$session" 2>/dev/null
own=$(grep -E 'open(at)?\(|creat\(' "$log" | grep -v ENOENT | grep -oE '"[^"]*"' | tr -d '"' |
      grep -E "^($source|$build)" | grep -vE "^$build/session$" || true)
if [[ -n "$own" ]]; then
  echo "the program opened files of the project at run time:"; echo "$own"; exit 1
fi
nets=$(grep -E 'socket\(' "$log" | grep -vE 'AF_UNIX|AF_LOCAL|AF_NETLINK' || true)
if [[ -n "$nets" ]]; then
  echo "the program opened network sockets:"; echo "$nets"; exit 1
fi
writes=$(grep -E 'open(at)?\(' "$log" | grep -E 'O_WRONLY|O_RDWR|O_CREAT' | grep -vE '"/dev/|"/proc/|/tmp/runtime-|\.cache/fontconfig|ENOENT' || true)
if [[ -n "$writes" ]]; then
  echo "the program opened files for writing:"; echo "$writes"; exit 1
fi
echo "no own file, no network, nothing written: $(grep -cE 'open(at)?\(' "$log") opens checked"
