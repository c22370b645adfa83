#!/usr/bin/env python3
"""run_in_chromium.py PAGE LANGUAGE [ARGUMENT...]: runs a test page of
user.js in headless Chromium with that browser language (it-IT), passes it
the arguments and LC_ALL of that language, prints its output and exits
with its exit code."""
import pathlib
import sys
import time
import urllib.parse

from chromium import chromium


def main():
    page, language, arguments = sys.argv[1], sys.argv[2], sys.argv[3:]
    query = urllib.parse.urlencode([('LC_ALL', language.replace('-', '_') + '.UTF-8')] +
                                   [('arg', argument) for argument in arguments])
    browser = chromium(language)
    try:
        browser.get(pathlib.Path(page).resolve().as_uri() + '?' + query)
        deadline = time.monotonic() + 600
        while browser.execute_script('return window.testExit') is None and time.monotonic() < deadline:
            time.sleep(0.1)
        print('\n'.join(browser.execute_script('return window.testOutput')))
        code = browser.execute_script('return window.testExit')
    finally:
        browser.quit()
    sys.exit(1 if code is None else code)


main()
