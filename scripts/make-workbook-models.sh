#!/bin/sh
# Rebuilds the workbooks made from sources kept in the repository, with
# LibreOffice headless (not needed by the build; commit the results):
#   src/exports/models/ListaModel.xls   the request list export's template
#   tests/exports/fixtures/*.xls, *.doc the workbook engine's test files
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert() { # source, filter, output file
    soffice -env:UserInstallation="file://$work/profile" --headless \
        --convert-to "$2" --outdir "$work" "$1" >/dev/null
    mv "$work/$(basename "${1%.*}").${2%%:*}" "$3"
    echo "$3"
}
models=$root/src/exports/models
fixtures=$root/tests/exports/fixtures
convert "$models/ListaModel.fods" xls "$models/ListaModel.xls"
convert "$fixtures/cells.fods" xls "$fixtures/cells.xls"
convert "$fixtures/strings.fods" xls "$fixtures/strings.xls"
convert "$fixtures/notaworkbook.fodt" doc "$fixtures/notaworkbook.doc"
