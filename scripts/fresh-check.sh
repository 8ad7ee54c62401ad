#!/bin/sh
# Proves the README's set-up on a pristine Debian 12: builds a minimal bookworm system
# (mmdebstrap --variant=minbase), puts a clean copy of the committed project into it, and there,
# as root, runs what the README tells a new user to run: the one prerequisite
# (apt-get update && apt-get install -y make), then `make test`.
#
# Usage: scripts/fresh-check.sh [WORK_DIR]
#   WORK_DIR (or FRESH_CHECK_DIR)  holds the temporary system and the logs; default /tmp/fresh-check
#   FRESH_CHECK_REPO      the repository to check; default the one this script belongs to
#   FRESH_CHECK_REV       the commit to check; default HEAD (uncommitted changes are never checked)
#   FRESH_CHECK_MIRROR    what mmdebstrap gets as its mirror; default the host's Debian sources
#   FRESH_CHECK_APT_CONF  an apt.conf file carried into the system; default the host's
#                         /etc/apt/apt.conf.d/99artifact-registry when it exists
#   FRESH_CHECK_LANG      LANG inside the system; default C.UTF-8, empty for none
#   FRESH_CHECK_KEEP=1    keep the system afterwards for a look (never mounted by then)
#
# Needs root. Every mount is made in a private mount namespace that dies with the run, and the
# exit trap stops what still runs inside the system and removes it, so an interrupted run leaves
# neither mounts nor a system behind. Prints PASS or FAIL last; exits 0 only on PASS.
set -u

say() { printf 'fresh-check: %s\n' "$*"; }

work="${1:-${FRESH_CHECK_DIR:-/tmp/fresh-check}}"
rev="${FRESH_CHECK_REV:-HEAD}"
lang="${FRESH_CHECK_LANG-C.UTF-8}"
keep="${FRESH_CHECK_KEEP:-}"
project=two-circles
started=$(date +%s)

system=""      # the temporary system, once made
job=""         # the process (and process group) of the step now running in the background
result=""      # PASS once the inner run succeeded
reason=""      # why it failed, for the closing line
inner_log=""

elapsed() {
    s=$(( $(date +%s) - started ))
    printf '%dm%02ds' $((s / 60)) $((s % 60))
}

# Mounts at or under the system, deepest first (paths never hold whitespace: checked below).
mounts_under() {
    awk -v r="$1" '$2 == r || index($2, r "/") == 1 { print $2 }' /proc/mounts | sort -r
}

# Stops the background step and anything else whose root is the system.
stop_everything() {
    # The step leads its own process group (setsid); ninja puts compilers in groups of their
    # own, which the sweep over the processes rooted in the system below catches.
    if [ -n "$job" ] && kill -0 "$job" 2>/dev/null; then
        kill -TERM "-$job" 2>/dev/null
        for _ in 1 2 3 4 5; do
            kill -0 "$job" 2>/dev/null || break
            sleep 1
        done
        kill -KILL "-$job" 2>/dev/null
        sleep 1
        kill -0 "$job" 2>/dev/null || wait "$job" 2>/dev/null
    fi
    job=""
    [ -n "$system" ] || return 0
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        left=""
        for p in /proc/[0-9]*; do
            if [ "$(readlink "$p/root" 2>/dev/null)" = "$system" ]; then
                kill -KILL "${p#/proc/}" 2>/dev/null
                left=yes
            fi
        done
        [ -n "$left" ] || return 0
        sleep 1
    done
    say "processes inside $system would not stop" >&2
    return 1
}

# Unmounts whatever is mounted under the system, then removes it. Refuses to remove anything
# that is still mounted: `rm` through a bind mount of /dev would delete the host's devices.
remove_system() {
    dir="$1"
    [ -d "$dir" ] || return 0
    for m in $(mounts_under "$dir"); do
        umount "$m" 2>/dev/null || umount -l "$m" 2>/dev/null
    done
    if [ -n "$(mounts_under "$dir")" ]; then
        say "still mounted under $dir, not removing it:" >&2
        mounts_under "$dir" >&2
        return 1
    fi
    rm -rf --one-file-system "$dir"
}

finish() {
    status=$?
    trap '' INT TERM HUP
    stop_everything
    if [ -n "$system" ]; then
        if [ -n "$keep" ] && [ -z "$(mounts_under "$system")" ]; then
            say "kept the system at $system"
        elif say "removing $system" && ! remove_system "$system"; then
            result=""
            reason="${reason:-could not clean up} (and $system is still mounted)"
        fi
    fi
    if [ "$result" = PASS ] && [ "$status" -eq 0 ]; then
        say "PASS: make test succeeded on a fresh Debian 12 (minbase) at $commit_short," \
            "in $(elapsed)"
        exit 0
    fi
    [ "$status" -eq 0 ] && status=1
    say "FAIL: ${reason:-stopped} (after $(elapsed))"
    exit "$status"
}

fail() {
    reason="$1"
    exit "${2:-1}"
}

interrupted() {
    echo
    fail "interrupted by SIG$1" "$2"
}

trap finish EXIT
trap 'interrupted INT 130' INT
trap 'interrupted TERM 143' TERM
trap 'interrupted HUP 129' HUP

# Runs one step in the background, in a session of its own (so the whole step can be stopped at
# once) and in a private mount namespace (so its mounts vanish with it), and waits for it.
run_step() {
    log="$1"
    shift
    setsid unshare --mount --propagation private "$@" </dev/null >>"$log" 2>&1 9>&- &
    job=$!
    wait "$job"
    rc=$?
    job=""
    return "$rc"
}

# The whole run is one function, read in full before it starts: a checkout or an edit of this
# file during a long run cannot change what runs.
main() {
    # --- Preconditions ---------------------------------------------------------------------------
    [ "$(id -u)" -eq 0 ] || fail "needs root (mmdebstrap and chroot)" 2
    case "$work" in
        /*) ;;
        *) work="$(pwd)/$work" ;;
    esac
    case "$work" in
        *[[:space:]]*) fail "the work folder must not contain whitespace: $work" 2 ;;
        /) fail "the work folder cannot be /" 2 ;;
    esac
    for tool in git tar setsid unshare chroot mount umount flock awk; do
        command -v "$tool" >/dev/null 2>&1 || fail "$tool is not installed on this machine" 2
    done

    repo="${FRESH_CHECK_REPO:-$(cd "$(dirname "$0")" && git rev-parse --show-toplevel 2>/dev/null)}"
    [ -n "$repo" ] && git -C "$repo" rev-parse --git-dir >/dev/null 2>&1 \
        || fail "not a git repository: ${repo:-$(dirname "$0")/..}" 2
    commit="$(git -C "$repo" rev-parse --verify --quiet "$rev^{commit}")" \
        || fail "no commit $rev in $repo" 2
    commit_short="$(printf '%s' "$commit" | cut -c1-12)"

    mkdir -p "$work" || fail "cannot make $work" 2
    work="$(cd "$work" && pwd -P)"
    exec 9>"$work/lock"
    flock -n 9 || fail "another fresh-check is running in $work" 2

    # A run killed outright (SIGKILL) cannot clean up after itself; the next one does.
    for old in "$work"/system.??????; do
        [ -d "$old" ] || continue
        # Only what mmdebstrap made (or had begun to make) here.
        [ -z "$(ls -A "$old")" ] || [ -e "$old/etc/debian_version" ] || [ -d "$old/var/lib/dpkg" ] \
            || continue
        say "removing the system a killed run left: $old"
        system="$old"
        stop_everything || fail "cannot stop what still runs in $old"
        remove_system "$old" || fail "cannot remove $old"
    done
    system=""

    boot_log="$work/mmdebstrap.log"
    inner_log="$work/inner.log"
    : >"$boot_log"
    : >"$inner_log"
    say "checking $repo at $commit_short; logs in $work"

    # --- mmdebstrap ------------------------------------------------------------------------------
    if ! command -v mmdebstrap >/dev/null 2>&1; then
        say "installing mmdebstrap"
        { apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y mmdebstrap; } \
            >"$work/apt-host.log" 2>&1 \
            || { tail -n 20 "$work/apt-host.log"; fail "cannot install mmdebstrap"; }
    fi

    # The same mirror (and suites) the host uses, and the host's apt settings for it.
    if [ -n "${FRESH_CHECK_MIRROR:-}" ]; then
        mirror="$FRESH_CHECK_MIRROR"
    elif grep -qs 'bookworm' /etc/apt/sources.list.d/debian.sources; then
        mirror=/etc/apt/sources.list.d/debian.sources
    elif grep -qs '^deb .*bookworm' /etc/apt/sources.list; then
        mirror=/etc/apt/sources.list
    else
        mirror=http://deb.debian.org/debian
    fi
    apt_conf="${FRESH_CHECK_APT_CONF-/etc/apt/apt.conf.d/99artifact-registry}"
    set --
    [ -n "$apt_conf" ] && [ -f "$apt_conf" ] && set -- "--aptopt=$apt_conf"

    system="$(mktemp -d "$work/system.XXXXXX")" || fail "cannot make a folder in $work"
    say "making a minimal Debian 12 in $system (mirror: $mirror)"
    if ! run_step "$boot_log" \
        mmdebstrap --variant=minbase --mode=root "$@" bookworm "$system" "$mirror"; then
        tail -n 30 "$boot_log"
        fail "mmdebstrap could not make the system (log: $boot_log)"
    fi
    say "system ready after $(elapsed)"

    # --- The project, as committed ---------------------------------------------------------------
    git -C "$repo" archive --format=tar --prefix="$project/" "$commit" | tar -x -C "$system/root" \
        || fail "cannot copy $commit_short into the system"
    [ -f "$system/root/$project/Makefile" ] || fail "$commit_short has no Makefile to run"

    # Name resolution as on the host (mmdebstrap leaves /etc/hosts out).
    [ -e "$system/etc/hosts" ] || cp /etc/hosts "$system/etc/hosts"
    [ -s "$system/etc/resolv.conf" ] || cp -L /etc/resolv.conf "$system/etc/resolv.conf"

    # What the new user runs, in a login-like environment of the system's own.
    cat >"$system/root/fresh-check-inner.sh" <<EOF
set -eu
cd /root/$project
echo "=== \$(date -u +%T) apt-get update && apt-get install -y make"
apt-get update && apt-get install -y make
echo "=== \$(date -u +%T) make test"
make test
echo "=== \$(date -u +%T) make test succeeded"
EOF

    set -- HOME=/root USER=root LOGNAME=root SHELL=/bin/sh TERM=dumb \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
    [ -n "$lang" ] && set -- "$@" "LANG=$lang"

    say "running, as root in the system: apt-get update && apt-get install -y make; make test"
    say "(this builds the lesson and runs the suite: expect 10-20 minutes; follow $inner_log)"
    # /dev and /dev/pts are the host's (so /dev/ptmx and the terminals agree); /dev/shm is fresh.
    if run_step "$inner_log" sh -c '
        set -e
        root="$1"; shift
        mount -t proc proc "$root/proc"
        mount -t sysfs sysfs "$root/sys"
        mount --bind /dev "$root/dev"
        mount --bind /dev/pts "$root/dev/pts"
        mount -t tmpfs -o mode=1777,nosuid,nodev shm "$root/dev/shm"
        exec chroot "$root" /usr/bin/env -i "$@" /bin/sh /root/fresh-check-inner.sh
    ' fresh-check "$system" "$@"; then
        result=PASS
    else
        rc=$?
        echo "---- last lines of $inner_log ----"
        tail -n 60 "$inner_log"
        echo "----"
        failed="$(sed -n '/tests FAILED:/,$ s/^[[:space:]]*[0-9][0-9]* - \([^ ]*\).*/\1/p' \
            "$inner_log" | tr '\n' ' ')"
        if [ -n "$failed" ]; then
            fail "make test failed in the fresh system; failing tests: ${failed% }; log: $inner_log"
        fi
        fail "the run in the fresh system ended with status $rc; log: $inner_log"
    fi
    exit 0
}

main "$@"
