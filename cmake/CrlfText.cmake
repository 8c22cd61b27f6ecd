# Rewrites a text file with CR LF line ends, as Windows' Notepad before Windows 10
# needs them. Bytes other than line feeds are kept as they are (Shift-JIS included).
#   cmake -DFILE=<text file> -P CrlfText.cmake
cmake_minimum_required(VERSION 3.20)
file(READ "${FILE}" text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${FILE}" "${text}")
