# Sourced by every script that starts Wine, so that one place chooses the loader.
#
#   source wine-env.sh <build-dir> [prefix]
#     exports what running the tree's programs needs: WINELOADER, WINEPREFIX, WINEDEBUG and,
#     while the test slot's display runs, DISPLAY. `wine` and `wineboot` then run through that
#     loader. The prefix is a path, or a name inside the test slot's folder (by default
#     $TAMARIND_PREFIX_NAME or "wineprefix"). Fails, saying why, when this host cannot run the
#     tree's programs.
#   source wine-env.sh
#     only defines choose_wine_loader, test_slot_dir and prefix_pids.
#
# The 64-bit tree always runs through the 64-bit loader, which also makes its prefixes: some
# x86-64 hosts execute 64-bit code only, and there Debian's `wine` wrapper still picks the
# 32-bit loader. The 32-bit tree runs only where the 32-bit loader itself starts;
# TAMARIND_WINE64_ONLY=1 makes any host behave as a 64-bit-only one.
#
# Tests run side by side in slots, each with its own display and prefixes, so its own
# wineserver: the single-instance mutex, the tray and the foreground belong to one server.
# The programs see a Japanese UI language, the interface's first one, unless a test names another
# locale in TAMARIND_UI_LOCALE: Wine takes the UI language from LC_MESSAGES, which LC_ALL would
# override, and a locale that was never generated gives English without a word.
#
# ctest hands a test its slot (RESOURCE_GROUPS "slots:1" sets CTEST_RESOURCE_GROUP_0_SLOTS to
# "id:N,slots:1"); a test run by hand takes TAMARIND_TEST_SLOT, or slot 0.

# Sets wine_loader for build tree $1, or leaves it empty, sets wine_unavailable to the reason
# and fails.
choose_wine_loader() {
  local bits
  bits=$(sed -n 's/^TAMARIND_WINDOWS_BITS:INTERNAL=//p' "$1/CMakeCache.txt" 2>/dev/null || true)
  wine_loader=""
  wine_unavailable=""
  case $bits in
    64) wine_loader=/usr/lib/wine/wine64 ;;
    32)
      if [ "${TAMARIND_WINE64_ONLY:-0}" = 1 ]; then
        wine_unavailable="TAMARIND_WINE64_ONLY=1 treats this host as one that runs 64-bit programs only"
      elif ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
        wine_unavailable="this host cannot run 32-bit programs (/usr/lib/wine/wine does not start)"
      else
        wine_loader=/usr/lib/wine/wine
      fi
      ;;
    *) wine_unavailable="$1 is not a configured Windows build tree" ;;
  esac
  if [ -n "$wine_loader" ] && [ ! -x "$wine_loader" ]; then
    wine_unavailable="$wine_loader is not installed (scripts/install-deps.sh installs it)"
    wine_loader=""
  fi
  [ -n "$wine_loader" ]
}

wine() { "$WINELOADER" "$@"; }
wineboot() { wine wineboot "$@"; }

# The folder of test slot $2 (by default this process's own) of build tree $1.
test_slot_dir() {
  local given=${CTEST_RESOURCE_GROUP_0_SLOTS:-id:${TAMARIND_TEST_SLOT:-0},}
  given=${given#id:}
  echo "$1/slot${2:-${given%%,*}}"
}

# Processes whose command line matches $1 and that run in this WINEPREFIX, not another slot's.
prefix_pids() {
  local pid
  for pid in $(pgrep -f "$1"); do
    grep -qxF "WINEPREFIX=$WINEPREFIX" < <(tr '\0' '\n' </proc/"$pid"/environ 2>/dev/null) && echo "$pid"
  done
  return 0
}

if [ $# -gt 0 ]; then
  choose_wine_loader "$1" || { echo "Cannot run the programs of $1 here: $wine_unavailable." >&2; exit 1; }
  export WINELOADER=$wine_loader
  slot_dir=$(test_slot_dir "$(cd "$1" && pwd)")
  prefix=${2:-${TAMARIND_PREFIX_NAME:-wineprefix}}
  case $prefix in
    /*) export WINEPREFIX=$prefix ;;
    *) export WINEPREFIX=$slot_dir/$prefix ;;
  esac
  export WINEDEBUG=${WINEDEBUG:--all}
  export LC_MESSAGES=${TAMARIND_UI_LOCALE:-ja_JP.UTF-8}
  case $LC_MESSAGES in
    ja_JP.UTF-8)
      grep -qix 'ja_JP.utf8' < <(locale -a 2>/dev/null) ||
        { echo "The locale ja_JP.UTF-8 is not generated here; scripts/install-deps.sh generates it." >&2; exit 1; } ;;
  esac
  if [ -n "${LC_ALL:-}" ] && [ "${LC_ALL%%.*}" != "${LC_MESSAGES%%.*}" ]; then
    echo "LC_ALL=$LC_ALL overrides LC_MESSAGES=$LC_MESSAGES; unset it to run the tests." >&2
    exit 1
  fi
  if [ -f "$slot_dir/display" ]; then
    export DISPLAY=":$(cat "$slot_dir/display")"
  fi
fi
