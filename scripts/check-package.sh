#!/usr/bin/env bash
# Checks the Debian package that `make package` built, as a technician's
# machine would meet it: lintian, the desktop entry and AppStream validators,
# the file types, and the programs themselves unpacked into a scratch root
# (dpkg -x, nothing installed on this machine). Prints every lintian tag; fails
# on a lintian error or warning and on anything else that is wrong.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$build/kav_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "no package $deb: run make package" >&2; exit 1; }

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
pass() { echo "ok: $*"; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root="$scratch/root"
dpkg -x "$deb" "$root"

# Every tag is shown, information included; errors and warnings fail. (CI
# runs as root, which lintian remarks on.)
status=0
tags=$(lintian --display-info --fail-on error,warning "$deb" 2>&1) || status=$?
grep -v '^running with root privileges' <<<"$tags" || true
[ "$status" -eq 0 ] && pass "lintian: no error or warning" || fail "lintian reports an error or a warning"

[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not the project's $version"
changelog_version=$(zcat "$root/usr/share/doc/kav/changelog.gz" | sed -n '1s/^kav (\([^)]*\)).*/\1/p')
[ "$changelog_version" = "$version" ] || fail "the changelog's newest entry is $changelog_version, not $version"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libhidapi-hidraw0 fonts-liberation qt6-qpa-plugins; do
  grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done
pass "version $version, changelog, Depends: $depends"

desktop=$(find "$root/usr/share/applications" -name '*.desktop')
metainfo=$(find "$root/usr/share/metainfo" -name '*.metainfo.xml')
mime=$(find "$root/usr/share/mime/packages" -name '*.xml')
id=$(basename "$desktop" .desktop)
desktop-file-validate "$desktop" && pass "desktop-file-validate $id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --strict "$metainfo" && pass "appstreamcli validate" || fail "appstreamcli validate"
release=$(grep -m 1 -o '<release version="[^"]*"' "$metainfo" | cut -d'"' -f2)
[ "$release" = "$version" ] || fail "the AppStream metadata's newest release is $release, not $version"

entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Exec)" = "kav %F" ] || fail "Exec is $(entry Exec)"
[ -x "$root/usr/bin/kav" ] || fail "no usr/bin/kav"
for language in zh_CN en; do
  [ -s "$root/usr/share/kav/translations/kav_$language.qm" ] || fail "no translation kav_$language.qm"
done
[ "$(entry Icon)" = "$id" ] || fail "Icon is $(entry Icon), not $id"
icons=$(find "$root/usr/share/icons/hicolor" -name "$id.*" | wc -l)
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" ] && [ "$icons" -ge 4 ] ||
  fail "the icon $id is missing from the hicolor theme ($icons files)"
for png in "$root"/usr/share/icons/hicolor/*x*/apps/"$id.png"; do
  size=${png#"$root/usr/share/icons/hicolor/"}
  size=${size%%/*}
  file -b "$png" | grep -q "PNG image data, ${size/x/ x }," || fail "$png is not a $size PNG"
done

# Every type the entry claims is one our file types define, and each has its
# ending in the database that update-mime-database builds from them.
claimed=$(entry MimeType | tr ';' '\n' | sed '/^$/d' | sort)
defined=$(grep -o 'mime-type type="[^"]*"' "$mime" | cut -d'"' -f2 | sort)
[ "$claimed" = "$defined" ] || fail "the desktop entry claims [$claimed], the file types define [$defined]"
cp -r "$root/usr/share/mime" "$scratch/mime"
XDG_DATA_DIRS="$scratch" update-mime-database "$scratch/mime"
for ending in opm kav orl trace; do
  grep -qx "[0-9]*:application/x-kav-$ending:\*\.$ending" "$scratch/mime/globs2" ||
    fail "*.$ending is not application/x-kav-$ending in the mime database"
done
pass "file types: $(echo $defined)"

# The guide lies where kav looks for it, ../share/kav/guide from usr/bin,
# in both languages with the same pages and their pictures.
guide="$root/usr/share/kav/guide"
for language in en zh_CN; do
  [ -f "$guide/$language/index.html" ] || fail "no user guide in $language"
done
[ "$(cd "$guide/en" && ls)" = "$(cd "$guide/zh_CN" && ls)" ] || fail "the guide's languages have different pages"
[ -n "$(ls "$guide/pictures"/*.png 2>/dev/null)" ] || fail "the user guide has no pictures"
pass "user guide: $(cd "$guide" && ls -d */ | tr -d / | xargs)"

for page in kav kav-convert kav-job; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page(1): $warnings"
done

# The unpacked programs run with the system's Qt and hidapi.
kav="$root/usr/bin/kav"
convert="$root/usr/bin/kav-convert"
[ "$("$convert" --version)" = "kav-convert $version" ] || fail "kav-convert --version"
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$kav" --version)" = "kav $version" ] ||
  fail "kav --version without a display"
sample=samples/kav-two-wavelengths.bin
info=$("$convert" "$sample" --info)
[ "$info" = "$("$build/cli/kav-convert" "$sample" --info)" ] || fail "kav-convert --info: $info"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$convert" "$sample" --pdf "$scratch/report.pdf" \
  --page-size A4 2>"$scratch/convert.err" || fail "kav-convert --pdf: $(cat "$scratch/convert.err")"
# pdftotext writes to a file: under pipefail, grep -q leaving at the first
# match would kill it with SIGPIPE and fail a good report.
pdftotext "$scratch/report.pdf" "$scratch/report.txt" 2>/dev/null
grep -q "Cable ID: CAB-01" "$scratch/report.txt" ||
  fail "kav-convert --pdf wrote no loss-test report"
# The installed translations are found: the report's title in Chinese.
"$convert" "$sample" --pdf "$scratch/report-zh.pdf" --language zh_CN 2>"$scratch/convert.err" ||
  fail "kav-convert --language zh_CN: $(cat "$scratch/convert.err")"
pdftotext "$scratch/report-zh.pdf" "$scratch/report-zh.txt" 2>/dev/null
grep -q "KAV 报告" "$scratch/report-zh.txt" ||
  fail "kav-convert --language zh_CN wrote no Chinese report"
# kav-job keeps a job file and reports it with the installed program.
job="$root/usr/bin/kav-job"
[ "$("$job" --version)" = "kav-job $version" ] || fail "kav-job --version"
"$job" new "$scratch/site.kavjob" --plan 'CAB-{01..03}/F{001..004}' 2>"$scratch/job.err" &&
  "$job" import "$scratch/site.kavjob" "$sample" >/dev/null 2>>"$scratch/job.err" &&
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$job" report "$scratch/site.kavjob" \
    --pdf "$scratch/job.pdf" 2>>"$scratch/job.err" || fail "kav-job: $(cat "$scratch/job.err")"
pdftotext "$scratch/job.pdf" "$scratch/job.txt" 2>/dev/null
grep -q "Result: FAIL" "$scratch/job.txt" || fail "kav-job report wrote no job report"
shots="$scratch/shots"
HOME="$scratch" QT_QPA_PLATFORM=offscreen "$kav" --screenshots "$shots" samples/*.bin 2>"$scratch/kav.err" ||
  fail "kav --screenshots: $(cat "$scratch/kav.err")"
for tab in opm kav trace autotrace orl; do
  file -b "$shots/$tab.png" 2>/dev/null | grep -q '^PNG image data' || fail "kav --screenshots wrote no $tab.png"
done
pass "the unpacked kav, kav-convert and kav-job run"

if [ "$failures" -ne 0 ]; then
  echo "$failures package checks failed" >&2
  exit 1
fi
echo "package $deb: every check passed ($(dpkg-deb -f "$deb" Installed-Size) KiB installed)"
