#!/usr/bin/env bash
# Succeeds when this machine runs 32-bit x86 programs, as 32-bit Wine needs:
# a tiny static one that only exits. A kernel without IA32 emulation, or a
# virtual machine that withholds it, refuses to start it.
set -euo pipefail
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
printf '.globl _start\n_start:\n movl $1, %%eax\n xorl %%ebx, %%ebx\n int $0x80\n' | as --32 -o "$probe/probe.o" -
ld -m elf_i386 -o "$probe/probe" "$probe/probe.o"
"$probe/probe" 2>/dev/null
