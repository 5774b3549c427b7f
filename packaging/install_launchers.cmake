# Runs at install time: the tumbla command and the desktop entry, naming the prefix in force.
set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
file(MAKE_DIRECTORY "${root}/${TUMBLA_COMMAND_DIR}" "${root}/share/applications")
file(CREATE_LINK ../lib/tumbla/tumbla "${root}/${TUMBLA_COMMAND_DIR}/tumbla" SYMBOLIC)
message(STATUS "Installing: ${root}/${TUMBLA_COMMAND_DIR}/tumbla")
file(WRITE "${root}/share/applications/tumbla.desktop"
"[Desktop Entry]
Type=Application
Name=Tumbla
Comment=Five dice, three rolls a turn, thirteen boxes to fill
Exec=${CMAKE_INSTALL_PREFIX}/${TUMBLA_COMMAND_DIR}/tumbla
Icon=tumbla
Terminal=false
Categories=Game;BoardGame;
Keywords=dice;score;roll;
")
message(STATUS "Installing: ${root}/share/applications/tumbla.desktop")
