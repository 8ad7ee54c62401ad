# Black-box tests of the built program on a virtual X display of their own (Xvfb), as a pupil's
# desktop runs it: the title bar, the window on small screens, at scale factors below 1 and full screen, no
# usable display, a run without a session bus, and starts with standard streams closed or scale
# variables set to nonsense. They need Debian's xvfb, x11-utils, xdotool, openbox,
# x11-apps and dbus-x11 (whose dbus-launch is what a run without a bus must not start).
set(desktop_python /usr/bin/python3)
foreach(check title fit no_display session_bus odd_start)
    add_test(NAME desktop_${check}
             COMMAND ${desktop_python} -B ${CMAKE_CURRENT_SOURCE_DIR}/desktop/${check}.py
                     $<TARGET_FILE:two-circles>)
    set_tests_properties(desktop_${check} PROPERTIES TIMEOUT 60 LABELS desktop)
endforeach()
