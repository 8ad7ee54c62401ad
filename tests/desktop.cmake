# Black-box tests of the built program on virtual X displays of their own (Xvfb), as a pupil's
# desktop runs it: how its window starts (or cannot) and fits the screen, and the lesson heard
# through Orca as the test reads it over AT-SPI. desktop/desktop.py names the Debian packages.
foreach(check window orca)
    add_test(NAME desktop_${check} COMMAND /usr/bin/python3 -B
                 ${CMAKE_CURRENT_SOURCE_DIR}/desktop/${check}.py $<TARGET_FILE:two-circles>)
    set_tests_properties(desktop_${check} PROPERTIES TIMEOUT 90 LABELS desktop)
endforeach()
