#!/usr/bin/env bash
# Runs one case of the Windows tests: the cross-built Kestrane.dll and kestrane.exe under
# 64-bit Wine, called by VBScript, JScript and C++ clients.
# Usage: wine-test.sh CASE SOURCE_DIR WORK_DIR [LINUX_KESTRANE]
#   WORK_DIR holds the Windows builds, the Wine prefix and one folder per case.
set -euo pipefail

case_name=$1
source_dir=$(cd "$2" && pwd)
work_dir=$3
linux_kestrane=${4:+$(realpath "$4")}
mkdir -p "$work_dir"
work_dir=$(cd "$work_dir" && pwd)

export WINEPREFIX=$work_dir/wineprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# ANSI (and OEM) code page 936, as on the Simplified Chinese systems the product serves.
# LC_ALL is for Wine only: the shell itself need not have that locale.
export LC_ALL=zh_CN.UTF-8 2>/dev/null
unset DISPLAY WAYLAND_DISPLAY

readonly x64_build=$work_dir/windows-x86_64
readonly i686_build=$work_dir/windows-i686
readonly dll=$x64_build/server/com/Kestrane.dll
readonly clients=$x64_build/tests/wine/clients
readonly host_key='HKLM\Software\Tresk\Veltrim'
readonly clsid='{5B7E21C4-0D93-4A6F-8C12-7F3E9A40D615}'
readonly libid='{6A41C9E3-2F8D-4B70-B5E6-D03A17F9C248}'

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Every Wine call is bounded: a hang fails the case instead of the whole run.
run_wine() { timeout 120 wine "$@"; }

# The Windows form of a host path (Wine maps / to drive Z:).
windows_path() { echo "Z:${1//\//\\}"; }

# A fresh folder for the case's files.
case_folder() {
  local folder=$work_dir/cases/$case_name
  rm -rf "$folder"
  mkdir -p "$folder"
  echo "$folder"
}

# The host product's key, in the 32-bit view where the product keeps it, pointing at a folder.
set_client_path() {
  run_wine reg add "$host_key" /v ClientPath /t REG_SZ /d "$1" /f /reg:32 >/dev/null
}

# A table file: BIG5 中 (A4A4, index 537) and 國 (B0EA, index 2491) map to GB 中 (D6D0) and
# 国 (B9FA); GB 国 (index 2345) and 中 (index 5029) map back. Every other slot holds the filler.
write_language() {
  awk 'function entry(name, k, code) { printf "%s[%d]=$%s\r\n", name, k, code }
    BEGIN {
      printf "[BIG5]\r\n"
      for (k = 0; k <= 2491; k++) entry("BIG5Order", k, k == 537 ? "D6D0" : k == 2491 ? "B9FA" : "2020")
      printf "[GB]\r\n"
      for (k = 0; k <= 5029; k++) entry("GBOrder", k, k == 5029 ? "A4A4" : k == 2345 ? "B0EA" : "2020")
    }' >"$1/Language"
}

# Runs a Windows program of the tests; it must end with its sentinel and report no failed check.
run_checks() {
  local output
  output=$(run_wine "$@" 2>&1 | tr -d '\r') || true
  echo "$output"
  grep -q '^FAIL' <<<"$output" && fail "$(basename "$1") reported failed checks"
  grep -qx 'KESTRANE-OK' <<<"$output" || fail "$(basename "$1") did not run to its end"
}

# Runs a case of a script client; it must end with its sentinel and report no failed check.
run_script() {
  local script=$1 name=$2 folder=$3 output
  output=$(cd "$folder" && run_wine cscript //nologo "$(windows_path "$source_dir/tests/wine/$script")" \
    "$name" "$(windows_path "$folder")" 2>&1 | tr -d '\r') || true
  echo "$output"
  grep -q '^FAIL' <<<"$output" && fail "$script $name reported failed checks"
  grep -qx 'KESTRANE-OK' <<<"$output" || fail "$script $name did not run to its end"
}

# Runs a command with its standard output in NAME.out and its messages, then its exit status,
# in NAME.err.
with_status() {
  local name=$1 status=0
  shift
  "$@" >"$name.out" 2>"$name.err" || status=$?
  echo "exit $status" >>"$name.err"
}

expect_bytes() {
  local file=$1 expected=$2
  cmp <(printf "$expected") "$file" || fail "$(basename "$file") holds $(od -An -tx1 "$file")"
}

# GB 中国 abc <-> BIG5 中國 abc, through the files the script clients read and write.
check_conversion() {
  local engine_script=$1 folder
  folder=$(case_folder)
  write_language "$folder"
  set_client_path "$(windows_path "$folder")"
  printf '\xD6\xD0\xB9\xFA abc' >"$folder/gb.txt"
  printf '\xA4\xA4\xB0\xEA abc' >"$folder/big5.txt"
  run_script "$engine_script" convert "$folder"
  expect_bytes "$folder/big5-out.txt" '\xA4\xA4\xB0\xEA abc'
  expect_bytes "$folder/gb-out.txt" '\xD6\xD0\xB9\xFA abc'
}

# A table file whose first GB entry has a lowercase digit: loading it raises an error whose
# message must reach the script.
check_error_message() {
  local engine_script=$1 folder
  folder=$(case_folder)
  printf '[BIG5]\r\n[GB]\r\nGBOrder[0]=$a1a1\r\n' >"$folder/Language"
  set_client_path "$(windows_path "$folder")"
  run_script "$engine_script" error "$folder"
  grep -qF 'GBOrder[0]=$a1a1' "$folder/error.txt" ||
    fail "the error text '$(cat "$folder/error.txt")' does not name the broken line"
}

# Registry listings in English, whatever the case's locale; fails when the key is missing.
query_registry() {
  local listing
  listing=$(LC_ALL=C run_wine reg query "$@" 2>/dev/null) || return 1
  tr -d '\r' <<<"$listing" | sed '/^$/d'
}

class_keys() {
  query_registry "HKCR\\CLSID\\$clsid" /s || true
  query_registry 'HKCR\Kestrane.Class1' /s || true
}

case $case_name in
  build)
    bash "$source_dir/scripts/build-windows.sh" "$work_dir"
    cmake -S "$source_dir" -B "$x64_build" -DKESTRANE_WINE_CLIENTS=ON >/dev/null
    cmake --build "$x64_build" -j2
    ;;
  prefix)
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    # One persistent server for all cases, until the stop case. It and the services that
    # wineboot starts outlive this case, so none of them may keep its output open.
    wineserver -p >/dev/null 2>&1
    timeout 300 wineboot -i >/dev/null 2>&1
    run_wine regsvr32 /s "$(windows_path "$dll")" || fail "regsvr32 failed"
    ;;
  stop)
    wineserver -k || true
    ;;
  registration)
    dll_path=$(windows_path "$dll")
    run_wine regsvr32 /s "$dll_path" || fail "regsvr32 failed"
    expected="HKEY_CLASSES_ROOT\\CLSID\\$clsid
    (Default)    REG_SZ    Class1 Object
HKEY_CLASSES_ROOT\\CLSID\\$clsid\\InprocServer32
    (Default)    REG_SZ    $dll_path
    ThreadingModel    REG_SZ    Apartment
HKEY_CLASSES_ROOT\\CLSID\\$clsid\\ProgID
    (Default)    REG_SZ    Kestrane.Class1
HKEY_CLASSES_ROOT\\Kestrane.Class1
    (Default)    REG_SZ    Class1 Object
HKEY_CLASSES_ROOT\\Kestrane.Class1\\Clsid
    (Default)    REG_SZ    $clsid"
    diff <(echo "$expected") <(class_keys) || fail "class entries after registration"
    query_registry "HKCR\\TypeLib\\$libid\\1.0\\409\\win64" | grep -qF "$dll_path" ||
      fail "type library not registered with the module's path"
    query_registry "HKCR\\TypeLib\\$libid\\1.0\\HELPDIR" | grep -qF "$(dirname "$dll_path")" ||
      fail "help folder is not the module's folder"
    run_wine regsvr32 /s /u "$dll_path" || fail "regsvr32 /u failed"
    [[ -z $(class_keys) ]] || fail "class entries left after unregistration: $(class_keys)"
    if query_registry "HKCR\\TypeLib\\$libid" >/dev/null; then
      fail "type library left registered"
    fi
    run_wine regsvr32 /s "$dll_path" || fail "registering again failed"
    ;;
  i686-artefact)
    # The product as it ships: 32-bit, four undecorated exports, nothing but system DLLs.
    i686_dll=$i686_build/server/com/Kestrane.dll
    exports=$(i686-w64-mingw32-objdump -p "$i686_dll" | sed -n 's/^\s*\[ *[0-9]*\] \(Dll[A-Za-z]*\)$/\1/p')
    [[ $exports == $'DllCanUnloadNow\nDllGetClassObject\nDllRegisterServer\nDllUnregisterServer' ]] ||
      fail "exports: $exports"
    i686-w64-mingw32-objdump -f "$i686_dll" | grep -q 'file format pei-i386' || fail "not a 32-bit module"
    imports=$(i686-w64-mingw32-objdump -p "$i686_dll" | sed -n 's/^\s*DLL Name: //p' | tr 'a-z' 'A-Z' | sort | tr '\n' ' ')
    [[ $imports == 'ADVAPI32.DLL KERNEL32.DLL MSVCRT.DLL OLE32.DLL OLEAUT32.DLL USER32.DLL ' ]] ||
      fail "imports: $imports"
    run_checks "$clients/module_audit.exe" "$(windows_path "$i686_dll")" win32
    ;;
  type-library)
    run_checks "$clients/module_audit.exe" "$(windows_path "$dll")" win64
    ;;
  module-load)
    # Loading the module, creating objects and unloading it, without calling a method, reads
    # neither the host key nor a table file: Wine's registry and file traces must not name them.
    folder=$(case_folder)
    write_language "$folder"
    set_client_path "$(windows_path "$folder")"
    WINEDEBUG=trace+reg,trace+file run_checks "$clients/class1_client.exe" "$(windows_path "$dll")" \
      exports >"$folder/trace.txt"
    grep -q 'NtCreateFile.*Kestrane\.dll' "$folder/trace.txt" || fail "the trace shows no file access"
    if grep -i -E 'Tresk|Language' "$folder/trace.txt"; then
      fail "module load touched the host key or the table file"
    fi
    ;;
  cpp-client)
    folder=$(case_folder)
    write_language "$folder"
    set_client_path "$(windows_path "$folder")"
    run_checks "$clients/class1_client.exe" "$(windows_path "$dll")"
    ;;
  vbscript-convert) check_conversion Class1Client.vbs ;;
  jscript-convert) check_conversion Class1Client.js ;;
  vbscript-tables)
    folder=$(case_folder)
    write_language "$folder"
    echo 5030 >"$folder/gb-count.txt"
    set_client_path "$(windows_path "$folder")"
    run_script Class1Client.vbs tables "$folder"
    ;;
  vbscript-missing-file)
    folder=$(case_folder)
    set_client_path "$(windows_path "$folder")"
    run_script Class1Client.vbs missing-file "$folder"
    ;;
  vbscript-save-order)
    folder=$(case_folder)
    write_language "$folder"
    cp "$folder/Language" "$folder/Language.before"
    set_client_path "$(windows_path "$folder")"
    printf '\xA4\xE5' >"$folder/big5-char.txt"  # BIG5 文, index 602
    printf '\xCE\xC4' >"$folder/gb-char.txt"    # GB 文, index 4265
    run_script Class1Client.vbs save-order "$folder"
    expect_bytes "$folder/big5-out.txt" '\xA4\xE5'
    expect_bytes "$folder/gb-out.txt" '\xCE\xC4'
    grep -q '^BIG5Order\[602\]=\$CEC4'$'\r''$' "$folder/Language" || fail "BIG5 entry not saved"
    grep -q '^GBOrder\[4265\]=\$A4E5'$'\r''$' "$folder/Language" || fail "GB entry not saved"
    cmp "$folder/Language.before" "$folder/Language.bak" || fail "Language.bak is not the old file"
    ;;
  vbscript-error) check_error_message Class1Client.vbs ;;
  jscript-error) check_error_message Class1Client.js ;;
  cli-config)
    # The same host configuration read by the Windows tool (real registry key, ini files read
    # by the system) and by the Linux tool (a .reg file): the records must match. A relative
    # ClientPath reads the same on both; per-user profiles bring in the logon name.
    [[ -x $linux_kestrane ]] || fail "no Linux kestrane given"
    folder=$(case_folder)
    user=$(id -un)
    mkdir -p "$folder/client/Profile/$user"
    printf '[Client Components]\r\nLangType=CHS\r\n[CodePage]\r\nDBCodePage=950\r\n' \
      >"$folder/client/Profile/$user/VeltrimC.ini"
    printf '[Server Information]\r\nComputerName=srvA;srvB;\r\nServerPort=8000\r\n' \
      >>"$folder/client/Profile/$user/VeltrimC.ini"
    printf '[WorkDLLPath]\r\na=Bin\r\nb=\\Lib\r\nc=E:\\X\r\n' >>"$folder/client/Profile/$user/VeltrimC.ini"
    printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Tresk\\Veltrim]\r\n"ClientPath"="client"\r\n"ProfileType"="1"\r\n' \
      >"$folder/host.reg"
    set_client_path client
    run_wine reg add "$host_key" /v ProfileType /t REG_SZ /d 1 /f /reg:32 >/dev/null
    (cd "$folder" && USER=$user LOGNAME=$user run_wine "$x64_build/cli/kestrane.exe" config) |
      tr -d '\r' >"$folder/windows.txt"
    (cd "$folder" && KESTRANE_REGISTRY=$folder/host.reg USER=$user LOGNAME=$user "$linux_kestrane" config) \
      >"$folder/linux.txt"
    run_wine reg add "$host_key" /v ProfileType /t REG_SZ /d 0 /f /reg:32 >/dev/null
    grep -qx "UserName=$user" "$folder/windows.txt" || fail "the per-user profile was not used"
    diff "$folder/linux.txt" "$folder/windows.txt" || fail "the two tools read different records"
    ;;
  cli-convert)
    # The Windows tool converts UTF-8 text through the system's code page conversions exactly
    # as the Linux tool does through iconv, and reports a character that GB lacks (a Hangul
    # syllable) with the same byte offset.
    [[ -x $linux_kestrane ]] || fail "no Linux kestrane given"
    folder=$(case_folder)
    write_language "$folder"
    printf '\xE4\xB8\xAD\xE5\x9B\xBD abc\r\n' >"$folder/good.txt"    # 中国 abc
    printf 'abc\r\n\xED\x95\x9C\r\n' >"$folder/bad.txt"             # Hangul 한 on line 2
    for input in good bad; do
      (cd "$folder" && with_status "windows-$input" run_wine "$x64_build/cli/kestrane.exe" \
        --client-dir . --utf8 gb2big5 "$input.txt")
      (cd "$folder" && with_status "linux-$input" "$linux_kestrane" --client-dir . --utf8 gb2big5 \
        "$input.txt")
      cmp "$folder/linux-$input.out" "$folder/windows-$input.out" ||
        fail "$input: the tools differ on standard output"
      diff "$folder/linux-$input.err" <(tr -d '\r' <"$folder/windows-$input.err") ||
        fail "$input: the tools differ in their messages"
    done
    expect_bytes "$folder/windows-good.out" '\xE4\xB8\xAD\xE5\x9C\x8B abc\r\n'  # 中國 abc
    grep -q 'offset 5' "$folder/windows-bad.err" || fail "the Hangul syllable is not at offset 5"
    # Bytes as they are: an input of many pieces, converted on several threads into the file
    # of -o and into standard output, gives the same bytes from both tools.
    head -c 3000000 /dev/urandom >"$folder/random.txt"
    (cd "$folder" && run_wine "$x64_build/cli/kestrane.exe" --client-dir . gb2big5 random.txt \
      -o windows-o.out && run_wine "$x64_build/cli/kestrane.exe" --client-dir . gb2big5 \
      <random.txt >windows-stdout.out)
    (cd "$folder" && "$linux_kestrane" --client-dir . gb2big5 random.txt -o linux.out)
    cmp "$folder/linux.out" "$folder/windows-o.out" || fail "the tools differ in the file of -o"
    cmp "$folder/linux.out" "$folder/windows-stdout.out" || fail "the tools differ on standard output"
    ;;
  *)
    fail "unknown case $case_name"
    ;;
esac
