# Sourced by the install tests: checks on an installed program and the debug
# file split from it. Each function prints nothing and returns 0 when all is
# well, else prints what is wrong and returns 1.

# The build id of an ELF file, in hex ("" when it has none).
build_id() { readelf --notes "$1" 2>/dev/null | sed -n 's/^ *Build ID: \([0-9a-f]*\)$/\1/p' | head -1; }

# Whether the ELF file has a section of that name.
has_section() { readelf -S -W "$1" 2>/dev/null | grep -q "] $2 "; }

# The program carries neither debug information nor a symbol table.
check_stripped() {
  local program=$1 section
  for section in .debug_info .debug_line .symtab; do
    if has_section "$program" "$section"; then echo "$program is not stripped: it has $section"; return 1; fi
  done
}

# DEBUG_ROOT (a lib/debug folder) holds the program's debug information under
# its build id, .build-id/xx/rest.debug, with the same build id; when the
# program names a debug file by .gnu_debuglink, the name is that file's and
# the checksum matches its bytes.
check_debug_file() {
  local program=$1 debug_root=$2 id debug link crc
  id=$(build_id "$program")
  [ -n "$id" ] || { echo "$program has no build id"; return 1; }
  debug="$debug_root/.build-id/${id:0:2}/${id:2}.debug"
  [ -f "$debug" ] || { echo "no debug file $debug for build id $id"; return 1; }
  [ "$(build_id "$debug")" = "$id" ] || { echo "$debug has build id $(build_id "$debug"), the program $id"; return 1; }
  has_section "$debug" .debug_info || { echo "$debug holds no .debug_info"; return 1; }
  has_section "$program" .gnu_debuglink || return 0
  link=$(readelf --debug-dump=links "$program" 2>/dev/null | sed -n 's/^ *Separate debug info file: //p' | head -1)
  crc=$(readelf --debug-dump=links "$program" 2>/dev/null | sed -n 's/^ *CRC value: 0x//p' | head -1)
  [ "$link" = "$(basename "$debug")" ] || { echo "the program's debug link names '$link', not $(basename "$debug")"; return 1; }
  python3 -c 'import sys, zlib; sys.exit(zlib.crc32(open(sys.argv[1], "rb").read()) != int(sys.argv[2], 16))' \
    "$debug" "$crc" || { echo "the debug link's checksum 0x$crc does not match $debug"; return 1; }
}
