# Writes the desktop entry at install time, so that its paths follow the
# prefix actually installed to (cmake --install --prefix ...), not DESTDIR.
set(CMAKE_INSTALL_FULL_BINDIR "${CMAKE_INSTALL_PREFIX}/${MORVIK_BINDIR}")
set(MORVIK_DATA_DIR "${CMAKE_INSTALL_PREFIX}/${MORVIK_DATADIR}/morvik")
set(entry "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${MORVIK_DATADIR}/applications/morvik.desktop")
configure_file("${MORVIK_DESKTOP_TEMPLATE}" "${entry}" @ONLY)
message(STATUS "Installing: ${entry}")
