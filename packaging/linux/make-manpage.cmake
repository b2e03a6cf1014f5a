# Writes the German manual page of ruvek-cli from its own help text, so the
# page lists exactly the commands and exit codes the program knows.
#   cmake -DHELP=help.txt -DOUT=ruvek-cli.1 -DVERSION=3.1 -DDATE=2026-12-10 -P make-manpage.cmake
# The help text has this shape: an "Aufruf:" line, then blocks, each either a
# heading (a line at the margin ending in ':'), a paragraph (lines at the
# margin) or an indented list, which is kept as it is laid out.
# The text is split into lines by hand: a CMake list would join lines at an
# unmatched '[' (as in "[--ab N |"), so brackets and semicolons are kept
# out of the list and put back line by line.
file(READ "${HELP}" help)
string(REPLACE ";" "@SEMICOLON@" help "${help}")
string(REPLACE "[" "@OPEN@" help "${help}")
string(REPLACE "]" "@CLOSE@" help "${help}")
string(REPLACE "\n" ";" lines "${help}")

# Text as troff reads it: backslashes and minus signs escaped, and a line
# beginning with '.' or "'" protected from being read as a request.
function(troff_escape text out)
  string(REPLACE "@SEMICOLON@" ";" text "${text}")
  string(REPLACE "@OPEN@" "[" text "${text}")
  string(REPLACE "@CLOSE@" "]" text "${text}")
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  if(text MATCHES "^[.']")
    set(text "\\&${text}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(page ".\\\" Erzeugt aus \"ruvek-cli --help\"; nicht von Hand ändern.\n")
string(APPEND page ".TH RUVEK\\-CLI 1 \"${DATE}\" \"Ruvek ${VERSION}\" \"Benutzerbefehle\"\n")
string(APPEND page ".SH BEZEICHNUNG\nruvek\\-cli \\- Klassendateien von Ruvek ohne Fenster lesen, ändern und drucken\n")

set(in_list FALSE)
foreach(line IN LISTS lines)
  if(line MATCHES "^Aufruf: (.*)$")
    troff_escape("${CMAKE_MATCH_1}" usage)
    string(APPEND page ".SH ÜBERSICHT\n${usage}\n")
    string(APPEND page ".SH BESCHREIBUNG\n")
    string(APPEND page "ruvek\\-cli arbeitet mit denselben Klassendateien (*.RVK), Einstellungen und Formular\\-Steuerdateien "
                       "wie das Programm ruvek(1): Es zeigt Klassen als JSON, ändert Schülerdaten, prüft die Klasse "
                       "auf Vollständigkeit und druckt Zeugnisse als PDF\\-Datei.\n")
    continue()
  endif()
  if(line STREQUAL "")
    continue()
  endif()
  if(line MATCHES "^[ ]")
    if(NOT in_list)
      string(APPEND page ".PP\n.nf\n")
      set(in_list TRUE)
    endif()
    troff_escape("${line}" text)
    string(APPEND page "${text}\n")
    continue()
  endif()
  if(in_list)
    string(APPEND page ".fi\n.PP\n")
    set(in_list FALSE)
  endif()
  if(line MATCHES "^(.*):$")
    # Section headings in capitals, umlauts included.
    string(TOUPPER "${CMAKE_MATCH_1}" heading)
    foreach(pair "ä|Ä" "ö|Ö" "ü|Ü")
      string(REPLACE "|" ";" pair "${pair}")
      list(GET pair 0 lower)
      list(GET pair 1 upper)
      string(REPLACE "${lower}" "${upper}" heading "${heading}")
    endforeach()
    troff_escape("${heading}" heading)
    string(APPEND page ".SH \"${heading}\"\n")
  else()
    troff_escape("${line}" text)
    string(APPEND page "${text}\n")
  endif()
endforeach()
if(in_list)
  string(APPEND page ".fi\n")
endif()

string(APPEND page ".SH DATEIEN\n")
string(APPEND page ".TP\n.I /usr/lib/ruvek\nProgrammordner: Programme, Formular\\-Steuerdateien, Wappenbilder und Beispielklassen (examples/).\n")
string(APPEND page ".TP\n.I ~/.local/share/ruvek\nProgrammordner des Benutzers (oder \\fI$XDG_DATA_HOME/ruvek\\fP): Er erhält beim ersten Start eine Kopie der "
                   "mitgelieferten Dateien und hält die Einstellungen und den Datenordner Daten/.\n")
string(APPEND page ".SH BEISPIEL\n.nf\nruvek\\-cli show /usr/lib/ruvek/examples/Beispielklasse.RVK\n"
                   "ruvek\\-cli pdf Klasse7a.RVK \\-o Zeugnisse.pdf\n.fi\n")
string(APPEND page ".SH SIEHE AUCH\nruvek(1)\n")
file(WRITE "${OUT}" "${page}")
