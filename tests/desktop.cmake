# Black-box tests of the built program on a virtual X display of their own (Xvfb), as a pupil's
# desktop runs it: the title bar, the window on small screens, at scale factors below 1 and full
# screen, no usable display, a run without a session bus, starts with standard streams closed or
# scale variables set to nonsense; and the lesson walked through AT-SPI, as a screen reader walks
# it, and heard through the real one, Orca, driven by the keyboard alone. They need Debian's
# xvfb, x11-utils, x11-apps, xdotool, openbox, dbus-x11, python3-pyatspi, at-spi2-core and orca.
foreach(check desktop/starts desktop/fit atspi/orca)
    string(REPLACE "/" "_" name ${check})
    add_test(NAME ${name} COMMAND /usr/bin/python3 -B ${CMAKE_CURRENT_SOURCE_DIR}/${check}.py
                                  $<TARGET_FILE:two-circles>)
    set_tests_properties(${name} PROPERTIES TIMEOUT 90 LABELS desktop)
endforeach()
