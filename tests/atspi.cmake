# The lesson walked through AT-SPI, as a screen reader on a Linux desktop walks it: a session
# bus, the accessibility bus and an X display (with a window manager) of the test's own. It needs
# Debian's python3-pyatspi, at-spi2-core, dbus-daemon, xvfb, x11-utils and openbox.
add_test(NAME atspi_walk
         COMMAND /usr/bin/python3 -B ${CMAKE_CURRENT_SOURCE_DIR}/atspi/walk.py
                 $<TARGET_FILE:two-circles>)
set_tests_properties(atspi_walk PROPERTIES TIMEOUT 90 LABELS desktop)

# The lesson heard through the real screen reader, Orca, driven by the keyboard alone: what Orca
# says, read from its debug log, after each step of a whole choice. It needs Debian's orca and
# speech-dispatcher besides what the walk above needs, and xdotool.
add_test(NAME atspi_orca
         COMMAND /usr/bin/python3 -B ${CMAKE_CURRENT_SOURCE_DIR}/atspi/orca.py
                 $<TARGET_FILE:two-circles>)
set_tests_properties(atspi_orca PROPERTIES TIMEOUT 90 LABELS desktop)
