# Run by `cmake --install`: writes the desktop entry for the prefix installed to.
# Under /usr the entry names the program alone, as /usr/bin is on every PATH;
# under any other prefix by its absolute path, since a folder such as
# ~/.local/bin reaches the PATH of a desktop session only at its next login,
# and the menu entry and the ".da4" double click should work at once.
# In: KALVESTA_APP_ID, KALVESTA_MIME_TYPE, KALVESTA_BINDIR (relative to the
# prefix), desktop_template, desktop_entry, and CMAKE_INSTALL_PREFIX as the
# install sets it.
string(REGEX REPLACE "(.)/+$" "\\1" prefix "${CMAKE_INSTALL_PREFIX}")
if(prefix STREQUAL "/usr")
    set(KALVESTA_EXEC "kalvesta4")
    set(KALVESTA_TRY_EXEC "kalvesta4")
else()
    set(program "${prefix}/${KALVESTA_BINDIR}/kalvesta4")
    # Exec's own quoting: a path with a reserved character is quoted, with
    # ", `, $ and \ escaped inside the quotes; a literal % is written %%.
    set(KALVESTA_EXEC "${program}")
    if(program MATCHES "[ \t\n\"'\\\\><~|&;$*?#()`]")
        string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" KALVESTA_EXEC "${program}")
        set(KALVESTA_EXEC "\"${KALVESTA_EXEC}\"")
    endif()
    string(REPLACE "%" "%%" KALVESTA_EXEC "${KALVESTA_EXEC}")
    # Then both as values of a desktop entry, where a backslash is written twice.
    string(REPLACE "\\" "\\\\" KALVESTA_EXEC "${KALVESTA_EXEC}")
    string(REPLACE "\\" "\\\\" KALVESTA_TRY_EXEC "${program}")
endif()
configure_file("${desktop_template}" "${desktop_entry}" @ONLY)
