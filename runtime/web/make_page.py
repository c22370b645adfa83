#!/usr/bin/env python3
"""make_page.py SHELL CSS PICTURE FONT... -- TEXT...: writes the page's shell
to stdout with the styles, the picture and the fonts inlined. Each font is
cut down to the characters of the TEXT files (the windows' sources) and
printable ASCII, which is what a user can type."""
import base64
import io
import sys

from fontTools import subset
from fontTools.ttLib import TTFont


def data_url(kind, data):
    return 'data:%s;base64,%s' % (kind, base64.b64encode(data).decode('ascii'))


def font_face(path, characters):
    options = subset.Options()
    options.flavor = 'woff2'
    font = TTFont(path)
    cutter = subset.Subsetter(options)
    cutter.populate(text=characters)
    cutter.subset(font)
    out = io.BytesIO()
    font.flavor = 'woff2'
    font.save(out)
    name = font['name'].getDebugName(1)
    bold = 'bold' if font['OS/2'].usWeightClass >= 700 else 'normal'
    return ("@font-face { font-family: '%s'; font-weight: %s; src: url(%s) format('woff2'); }"
            % (name, bold, data_url('font/woff2', out.getvalue())))


def main():
    shell, css, picture = sys.argv[1:4]
    split = sys.argv.index('--')
    fonts, texts = sys.argv[4:split], sys.argv[split + 1:]
    characters = ''.join(chr(c) for c in range(0x20, 0x7f))
    for text in texts:
        characters += open(text, encoding='utf-8').read()
    page = open(shell, encoding='utf-8').read()
    page = page.replace('@STYLE@', open(css, encoding='utf-8').read())
    page = page.replace('@FONTS@', '\n'.join(font_face(font, characters) for font in fonts))
    page = page.replace('@COIN@', data_url('image/svg+xml', open(picture, 'rb').read()))
    sys.stdout.write(page)


main()
