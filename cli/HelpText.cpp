#include "cli/HelpText.h"

namespace kestrane::cli {

std::string_view HelpText() {
  return R"(Usage: kestrane [OPTION]... COMMAND [ARGUMENT]...
Convert Chinese text between GB (code page 936) and BIG5 (code page 950) through the two
character tables of a table file named "Language", and edit those tables.

Commands:
  gb2big5 [FILE]...    convert GB text from the files (standard input when none is given,
                       and for "-") to BIG5 on standard output
  big52gb [FILE]...    convert BIG5 text to GB the same way
  reload               load the table file; exit status 1 when there is none
  big5-table           print the BIG5 table (the GB code of each BIG5 character, by BIG5
                       index), one code per line as $XXXX; line k+1 is element k
  gb-table             print the GB table (the BIG5 code of each GB character) the same way
  config               print the host configuration record, one Field=value line per field,
                       and where the client directory comes from (ClientPathFrom)
  save-order BIG5CHAR BIG5CODE GBCHAR GBCODE
                       make BIG5CHAR convert to the GB code GBCODE and GBCHAR to the BIG5
                       code BIG5CODE, and save the table file at once; a code is four
                       hexadecimal digits (A4A4), or 清空 to clear that direction instead

Options:
      --client-dir DIR  use the table file in the folder DIR
      --utf8            text in and out, and the characters of save-order, are UTF-8 (they
                        are converted with the code pages; a character a code page cannot
                        take is an error that gives its byte offset)
  -o, --output FILE     write to FILE instead of standard output
  -h, --help            show this help and exit
      --version         show the version and exit

Without --utf8 conversions work on bytes: the output is exactly as long as the input.

The table file is "Language" in the client directory, which is, in this order:
  1. the folder given with --client-dir;
  2. the "ClientPath" of the host product's registry key Software\Tresk\Veltrim, when the
     key exists (on POSIX systems the registry is the .reg file that KESTRANE_REGISTRY
     names);
  3. the folder of the table shipped with the tool: ../share/kestrane beside the
     executable, or else the data folder of the source tree the tool was built from.
save-order does not edit the shipped table.

Exit status:
  0  done
  1  the operation answered false, or no table file was found
  2  usage error, or an error (every message goes to standard error)
)";
}

}  // namespace kestrane::cli
