"""Headless Chromium under WebDriver, as the web tests and bench run it."""
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


def chromium(language):
    """A browser with that language (it-IT), closed with quit()."""
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    # As root only without the sandbox; the network is closed, so nothing
    # that would reach out for it.
    for flag in ('--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                 '--disable-background-networking', '--disable-component-update', '--disable-sync',
                 '--window-size=1024,768', '--accept-lang=' + language,
                 '--user-data-dir=' + tempfile.mkdtemp(prefix='chromium-')):
        options.add_argument(flag)
    return webdriver.Chrome(options=options, service=Service('/usr/bin/chromedriver'))
