#!/usr/bin/env python3
"""run_in_chromium.py PAGE LANGUAGE [ARGUMENT...]: runs a test page of
user.js in headless Chromium with that browser language (it-IT), passes it
the arguments and LC_ALL of that language, prints its output and exits
with its exit code."""
import pathlib
import sys
import tempfile
import time
import urllib.parse

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


def chromium(language, profile):
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    # As root only without the sandbox; the network is closed, so nothing
    # that would reach out for it.
    for flag in ('--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                 '--disable-background-networking', '--disable-component-update', '--disable-sync',
                 '--window-size=1024,768', '--accept-lang=' + language, '--user-data-dir=' + profile):
        options.add_argument(flag)
    return webdriver.Chrome(options=options, service=Service('/usr/bin/chromedriver'))


def main():
    page, language, arguments = sys.argv[1], sys.argv[2], sys.argv[3:]
    query = urllib.parse.urlencode([('LC_ALL', language.replace('-', '_') + '.UTF-8')] +
                                   [('arg', argument) for argument in arguments])
    with tempfile.TemporaryDirectory() as profile:
        browser = chromium(language, profile)
        try:
            browser.set_script_timeout(600)
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
