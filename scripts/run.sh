#!/bin/sh
# Starts the lesson. Without a display the program itself says, in one line, how to get one.
exec "${1:-build/two-circles}"
