#!/usr/bin/env python3
"""startup.py PAGE RUNS: the page's size gzipped, and how long after the page
starts loading the converter shows, in headless Chromium, over RUNS loads."""
import gzip
import pathlib
import statistics
import sys
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / 'tests' / 'web'))
from chromium import chromium  # noqa: E402

# Notes the moment the converter's window is first shown, from the start of
# the page's navigation.
WATCH = '''
new MutationObserver((changes, watch) => {
    if (document.querySelector('#screen > .window:not([hidden])')) {
        window.converterShown = performance.now();
        watch.disconnect();
    }
}).observe(document, {subtree: true, childList: true, attributes: true});
'''


def main():
    page, runs = pathlib.Path(sys.argv[1]).resolve(), int(sys.argv[2])
    print('Valutrino.html: %d bytes, %d gzipped' % (page.stat().st_size, len(gzip.compress(page.read_bytes(), 9))))
    browser = chromium('it-IT')
    try:
        browser.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': WATCH})
        shown = []
        for _ in range(runs):
            browser.get('about:blank')
            browser.get(page.as_uri())
            while browser.execute_script('return window.converterShown') is None:
                time.sleep(0.01)
            shown.append(browser.execute_script('return window.converterShown'))
    finally:
        browser.quit()
    print('converter shown after the page starts loading: first load %.0f ms; median %.0f ms, slowest %.0f ms '
          'of the %d loads' % (shown[0], statistics.median(shown), max(shown), runs))


main()
