#!/usr/bin/env bash
# Checks the built user manual against the programs' sources: every message text the programs can
# show (each message box of admin/ and trigger/, every error description, every label an error report
# names, the support request) appears in its chapter "Troubleshooting"; every picture the manual
# shows is a screenshot the Windows tests saved, embedded, and every such screenshot is shown; the
# title page carries the version and a date.
# Usage: check-manual.sh <source folder> <manual PDF> <screenshots folder> <version>
set -euo pipefail
command -v pdftotext >/dev/null && command -v pdfimages >/dev/null || {
    echo "pdftotext and pdfimages (Debian's poppler-utils) are needed"
    exit 1
}
source_dir=$1
pdf=$2
screenshots=$3
version=$4
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The texts as the programs hold them, one a line, a CR or LF inside a text as a space. A message
# built from pieces (a field's name, the program's title between them) gives each literal piece;
# pieces of one or two characters ("!") say nothing and are left out.
program_texts() {
    perl -0777 -e '
        my @texts;
        sub unescape { my $s = shift; $s =~ s/\\([rn])/ /g; $s =~ s/\\(.)/$1/g; return $s; }
        sub tokens {
            my @t;
            while ($_[0] =~ m{("(?:\\.|[^"\\])*")|(//[^\n]*|/\*.*?\*/)|([A-Za-z_]\w*)|(\S)}gs) {
                next if defined $2;
                push @t, defined $1 ? ["lit", unescape(substr($1, 1, -1))] : defined $3 ? ["id", $3] : ["op", $4];
            }
            return @t;
        }
        # The runs of adjacent literals among tokens; a name of a text defined in the same file
        # (a constant, a local string) stands for its runs.
        sub runs {
            my ($defs, @t) = @_;
            my (@runs, $run);
            for my $tok (@t) {
                if ($tok->[0] eq "lit") { $run .= $tok->[1]; next; }
                push @runs, $run if defined $run;
                undef $run;
                push @runs, @{$defs->{$tok->[1]}} if $tok->[0] eq "id" && $defs->{$tok->[1]};
            }
            push @runs, $run if defined $run;
            return @runs;
        }
        for my $file (@ARGV) {
            open my $in, "<", $file or die "$file: $!";
            my @t = tokens(scalar <$in>);
            my %defs;
            for my $i (1 .. $#t - 1) {
                next unless $t[$i][0] eq "op" && $t[$i][1] eq "=" && $t[$i - 1][0] eq "id";
                my ($j, @rhs) = ($i + 1);
                push @rhs, $t[$j++] while $j <= $#t && !($t[$j][0] eq "op" && $t[$j][1] eq ";");
                $defs{$t[$i - 1][1]} = [runs({}, @rhs)] if grep { $_->[0] eq "lit" } @rhs;
            }
            for my $i (0 .. $#t - 1) {
                my ($kind, $name) = @{$t[$i]};
                next unless $kind eq "id" && $t[$i + 1][1] eq "(";
                my ($j, $depth, @arg) = ($i + 2, 0);
                for (; $j <= $#t; $j++) {
                    my $tok = $t[$j];
                    if ($tok->[0] eq "op" && $tok->[1] =~ /^[({]$/) { $depth++; }
                    elsif ($tok->[0] eq "op" && $tok->[1] =~ /^[)}]$/) { last if $depth-- == 0; }
                    elsif ($tok->[0] eq "op" && $tok->[1] eq "," && $depth == 0) { last; }
                    push @arg, $tok;
                }
                if ($name eq "MsgBox") { push @texts, runs(\%defs, @arg); }
                elsif ($name =~ /^guard/ && @arg && $arg[0][0] eq "lit") { push @texts, $arg[0][1]; }
            }
            if ($file =~ /RuntimeError\.cpp$/) {
                for my $i (0 .. $#t - 1) {
                    push @texts, $t[$i + 1][1] if $t[$i][1] eq "return" && $t[$i + 1][0] eq "lit";
                }
            }
            push @texts, @{$defs{kSupportRequest}} if $defs{kSupportRequest};
        }
        for (@texts) { s/\s+/ /g; s/^ | $//g; print "$_\n" if length >= 3; }
    ' "$@" | sort -u
}

# The chapter "Troubleshooting" of the PDF as one line: from its heading to the next chapter's.
troubleshooting_text() {
    pdftotext "$pdf" - | tr -d '\f' |
        awk '/^[0-9]+\. Troubleshooting$/ { inside = 1; next } inside && /^[0-9]+\. [A-Z]/ { inside = 0 } inside' |
        tr -s ' \n' '  '
}

chapter=$(troubleshooting_text)
[[ -n $chapter ]] || fail "the manual has no chapter \"Troubleshooting\""
texts=$(program_texts "$source_dir"/admin/*.cpp "$source_dir"/admin/*.h "$source_dir"/trigger/*.cpp \
    "$source_dir"/trigger/*.h "$source_dir"/common/*.cpp "$source_dir"/common/*.h)
count=0
while IFS= read -r text; do
    count=$((count + 1))
    grep -qF -- "$text" <<<"$chapter" || fail "not in the troubleshooting chapter: $text"
done <<<"$texts"
# So few texts means the sources were not read as expected.
((count >= 60)) || fail "only $count texts found in the programs' sources"

# The pictures: those the text shows, those the tests saved, those the PDF embeds.
shown=$(grep -ho 'image::[^[]*' "$source_dir"/docs/manual/*.adoc "$source_dir"/docs/manual/chapters/*.adoc |
    sed 's/^image:://' | sort -u)
[[ -d $screenshots ]] || fail "no screenshots in $screenshots"
saved=$(find "$screenshots" -maxdepth 1 -name '*.png' -printf '%f\n' | sort)
while IFS= read -r picture; do
    [[ -f $screenshots/$picture ]] || fail "the manual shows $picture, which the tests did not save"
done <<<"$shown"
while IFS= read -r picture; do
    [[ -z $picture ]] || grep -qxF -- "$picture" <<<"$shown" ||
        fail "the tests saved $picture, which the manual does not show"
done <<<"$saved"
pictures=$(wc -l <<<"$shown")
embedded=$(pdfimages -list "$pdf" | awk 'NR > 2 && $3 == "image"' | wc -l)
[[ $embedded -eq $pictures ]] || fail "the PDF embeds $embedded pictures, the text shows $pictures"

title_page=$(pdftotext -f 1 -l 1 "$pdf" - | tr -s ' \n\f' '  ')
grep -qE -- "Version ${version//./\\.} - [0-9]{4}-[0-9]{2}-[0-9]{2}" <<<"$title_page" ||
    fail "the title page does not show \"Version $version\" and a date: $title_page"

echo "$count texts, $pictures pictures checked"
((failures == 0))
