#!/usr/bin/env bash
# Builds the Debian package and checks it as a pilot's machine would get it:
# lintian, the desktop entry and AppStream metadata, `dpkg -i`, the installed
# program started offscreen in Chinese, every Qt plugin it loads belonging
# to its dependencies, --help against the manual pages, the device rule
# (installed, valid, removed on purge), and that removing the package leaves
# nothing under /usr. Needs root (it installs the package).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
passes=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok:   $*"; passes=$((passes + 1)); }

if [ "$(id -u)" -ne 0 ]; then
    echo "check-package.sh installs the package: run it as root" >&2
    exit 1
fi

echo "== Package =="
deb=$("$root/scripts/build-package.sh" "$work/out" | tail -1)
[ "$(basename "$deb")" = "vrn-assistant_1.1-1_amd64.deb" ] || fail "package named $(basename "$deb")"
echo "$(basename "$deb"): $(du -k "$deb" | cut -f1) kB"
dpkg-deb -f "$deb" Depends Recommends

echo "== lintian =="
if lintian --fail-on error --tag-display-limit 0 "$deb"; then pass "lintian: no errors"; else fail "lintian"; fi

echo "== Install =="
dpkg -r vrn-assistant >/dev/null 2>&1 || true
dpkg -i "$deb" >/dev/null || fail "dpkg -i"
files=$(dpkg -L vrn-assistant)

desktop=/usr/share/applications/com.morvane.VrnAssistant.desktop
metainfo=/usr/share/metainfo/com.morvane.VrnAssistant.metainfo.xml
if desktop-file-validate "$desktop"; then pass "desktop-file-validate"; else fail "desktop-file-validate"; fi
if appstreamcli validate --no-net "$metainfo"; then pass "appstreamcli validate"; else fail "appstreamcli validate"; fi
for size in 16 22 24 32 48 64 128 256; do
    icon=/usr/share/icons/hicolor/${size}x${size}/apps/vrn-assistant.png
    case "$(file -b "$icon")" in
        "PNG image data, $size x $size,"*) ;;
        *) fail "$icon is not a $size-pixel PNG" ;;
    esac
done

for program in vrn-assistant vrn-sim; do
    [ "$(command -v $program)" = "/usr/bin/$program" ] || fail "$program is not on the PATH"
    "$program" --version | grep -qx "\(VRN Assistant\|vrn-sim\) 1.1" || fail "$program --version"
    # Every option --help lists is in the manual page, and the other way round.
    page=/usr/share/man/man1/$program.1.gz
    helped=$("$program" --help | grep -o -- '--[a-z-]*' | sort -u)
    manned=$(zcat "$page" | grep -o -- '\\-\\-[a-z\\-]*' | sed 's/\\//g' | sort -u)
    if [ "$helped" = "$manned" ]; then pass "$program: --help matches its manual page"; else
        fail "$program: --help and its manual page differ:"; diff <(echo "$helped") <(echo "$manned") || true
    fi
done

echo "== The device rule =="
rule=/usr/lib/udev/rules.d/60-vrn-assistant.rules
if [ -f "$rule" ]; then pass "device rule installed"; else fail "device rule not installed at $rule"; fi
# udev's own grammar: comma-separated KEY[{attr}] OP "value" items, match
# keys compared with == or !=, assignment keys set with = += -= :=, every
# GOTO landing on a LABEL of the file.
if awk '
    BEGIN { bad = 0 }
    /^[[:space:]]*(#|$)/ { next }
    {
        line = $0
        while (length(line) > 0) {
            if (!match(line, /^[[:space:]]*[A-Z_]+(\{[A-Za-z0-9_]+\})?[[:space:]]*(==|!=|\+=|-=|:=|=)[[:space:]]*"[^"]*"[[:space:]]*(,|$)/)) {
                print "rule line " NR ": cannot read: " line; bad = 1; break
            }
            item = substr(line, 1, RLENGTH); line = substr(line, RLENGTH + 1)
            key = item; sub(/^[[:space:]]*/, "", key); sub(/[{=!+:-].*/, "", key)
            op = item; sub(/^[^=!+:-]*/, "", op); op = substr(op, 1, 2); if (op !~ /^(==|!=|\+=|-=|:=)$/) op = "="
            value = item; sub(/^[^"]*"/, "", value); sub(/".*/, "", value)
            if (key ~ /^(ACTION|SUBSYSTEM|SUBSYSTEMS|KERNEL|KERNELS|DRIVER|DRIVERS|ATTR|ATTRS|ENV|TAG|TAGS)$/ && (op == "==" || op == "!=")) ;
            else if (key ~ /^(ENV|TAG|GOTO|LABEL|MODE|GROUP|OWNER|SYMLINK|RUN)$/ && op !~ /^(==|!=)$/) ;
            else { print "rule line " NR ": " key " with " op; bad = 1 }
            if (key == "GOTO") gotos[value] = NR
            if (key == "LABEL") labels[value] = 1
        }
    }
    END {
        for (g in gotos) if (!(g in labels)) { print "GOTO " g " has no LABEL"; bad = 1 }
        exit bad
    }' "$rule"; then pass "device rule reads as udev rules"; else fail "device rule syntax"; fi
for vendor in 10c4 1a86 0403 067b; do
    grep -q "ATTRS{idVendor}==\"$vendor\".*TAG+=\"uaccess\".*ENV{ID_MM_DEVICE_IGNORE}=\"1\"" "$rule" ||
        fail "device rule: USB vendor $vendor lacks uaccess or the ModemManager exclusion"
done
grep -q 'KERNEL=="ttyACM\[0-9\]\*".*TAG+="uaccess"' "$rule" || fail "device rule: CDC-ACM lacks uaccess"
! grep 'ttyACM' "$rule" | grep -q ID_MM_DEVICE_IGNORE || fail "device rule keeps ModemManager from CDC-ACM modems"
# Where udev runs, it reads the rule against a real tty without complaint.
if command -v udevadm >/dev/null 2>&1 && [ -e /sys/class/tty/tty0 ]; then
    if udevadm test --action=add /sys/class/tty/tty0 2>&1 | grep -i "60-vrn-assistant.rules" |
       grep -qi -e invalid -e error; then fail "udevadm test"; else pass "udevadm test"; fi
fi

echo "== The installed program, with the user's settings asking for Chinese =="
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$XDG_CONFIG_HOME/Morvane"
printf '[System]\nlang=1\n' > "$XDG_CONFIG_HOME/Morvane/VRN Assistant.conf"
set +e
QT_QPA_PLATFORM=offscreen QT_DEBUG_PLUGINS=1 QT_LOGGING_RULES="default.debug=true;vrn.app.debug=true" \
    timeout 5 vrn-assistant > "$work/run.log" 2>&1
status=$?
# As started from the menu: no traces at all.
QT_QPA_PLATFORM=offscreen timeout 3 vrn-assistant > "$work/quiet.log" 2>&1
set -e
# Qt's own words about this offscreen session without a login (no runtime
# folder, no window masks) are not the program's.
grep -v -e '^QStandardPaths: XDG_RUNTIME_DIR not set' \
    -e '^This plugin does not support setting window masks' "$work/quiet.log" > "$work/ours.log" || true
if [ -s "$work/ours.log" ]; then fail "writes traces unasked:"; head -5 "$work/ours.log"; else
    pass "quiet unless asked"; fi
[ "$status" -eq 124 ] || fail "vrn-assistant ended by itself within 5 s (status $status)"
if grep -q "LanguageSettings: loaded /usr/lib/vrn-assistant/language/vrn_lang_zh.qm" "$work/run.log"; then
    pass "loaded the Chinese catalogue"
else
    fail "did not load the Chinese catalogue"; tail -20 "$work/run.log"
fi
[ ! -e /usr/lib/vrn-assistant/sys.ini ] || fail "the program wrote into /usr"

# The README the package installs shows no picture it does not carry.
doc=/usr/share/doc/vrn-assistant
missing=$({ grep -o '](docs/[^)]*)' "$doc/README.md" || true; } | sed 's/^](//; s/)$//' |
          while read -r picture; do [ -e "$doc/$picture" ] || echo "$picture"; done)
if [ -z "$missing" ]; then pass "README: every picture it shows is installed"; else
    fail "README points to pictures not installed: $missing"; fi

echo "== Every Qt plugin it loaded comes from its dependencies =="
closure=$(apt-cache depends --recurse --installed --no-recommends --no-suggests --no-conflicts \
          --no-breaks --no-replaces --no-enhances vrn-assistant |
          grep -v '^ ' | tr -d '<>' | sed 's/:.*//' | sort -u)
plugins=$(grep -o '"[^"]*/plugins/[^"]*\.so" loaded library' "$work/run.log" | cut -d'"' -f2 | sort -u)
[ -n "$plugins" ] || fail "no plugin loads reported"
for plugin in $plugins; do
    owner=$(dpkg -S "$(readlink -f "$plugin")" 2>/dev/null | head -1 | cut -d: -f1)
    if [ -n "$owner" ] && grep -qx "$owner" <<<"$closure"; then
        pass "${plugin##*/plugins/} from $owner"
    else
        fail "${plugin##*/plugins/} from '${owner:-no package}', not a dependency"
    fi
done

echo "== Remove =="
dpkg --purge vrn-assistant >/dev/null
left=$(while read -r path; do
           [ -f "$path" ] || [ -L "$path" ] && echo "$path"
       done <<<"$files"
       find /usr -path '*vrn-assistant*' -o -path '*VrnAssistant*' -o -name 'vrn-sim*' 2>/dev/null)
if [ -z "$left" ]; then pass "nothing of the package is left under /usr"; else fail "left behind:"; echo "$left"; fi
if [ ! -e "$rule" ]; then pass "device rule removed on purge"; else fail "device rule left after purge"; fi

echo "package: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
