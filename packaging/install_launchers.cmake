# Runs at install time: the tumbla command and the desktop entry, naming the prefix in force.
set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
file(MAKE_DIRECTORY "${root}/bin" "${root}/share/applications")
file(CREATE_LINK ../lib/tumbla/tumbla "${root}/bin/tumbla" SYMBOLIC)
message(STATUS "Installing: ${root}/bin/tumbla")
file(WRITE "${root}/share/applications/tumbla.desktop"
"[Desktop Entry]
Type=Application
Name=Tumbla
Comment=Five dice, three rolls a turn, thirteen boxes to fill
Exec=${CMAKE_INSTALL_PREFIX}/bin/tumbla
Icon=tumbla
Terminal=false
Categories=Game;BoardGame;
")
message(STATUS "Installing: ${root}/share/applications/tumbla.desktop")
