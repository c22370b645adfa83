#!/usr/bin/env python3
"""trusted_input.py PAGE: what only input the browser trusts can show, on
Valutrino.html: typing, Tab, Alt+letter, the numeric keypad and pasting go
through Chromium's own keyboard and clipboard, with an Italian browser."""
import pathlib
import sys

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from chromium import chromium

failures = 0


def check(what, got, expected):
    global failures
    if got != expected:
        failures += 1
        print('FAILED: %s: %r, not %r' % (what, got, expected))


def main():
    browser = chromium('it-IT')
    try:
        browser.get(pathlib.Path(sys.argv[1]).resolve().as_uri())
        box = WebDriverWait(browser, 10).until(lambda b: b.find_element(By.CSS_SELECTOR, '[data-name="Text1"]'))
        euro = browser.find_element(By.CSS_SELECTOR, '[data-name="Text2"]')
        focused = lambda: browser.switch_to.active_element.get_attribute('data-name')
        keys = ActionChains(browser)

        rows = [
            ('typed', lambda: keys.send_keys('1936.27'), '1936.27', '1,00'),
            ('the keypad\'s decimal key', lambda: keys.send_keys('1936', Keys.DECIMAL, '27'), '1936.27', '1,00'),
            ('pasted', lambda: browser.execute_script('arguments[0].value = "3872.54"; arguments[0].select();'
                                                     'document.execCommand("copy"); arguments[0].value = "";', euro)
             or keys.click(box).key_down(Keys.CONTROL).send_keys('v').key_up(Keys.CONTROL), '3872.54', '2,00'),
        ]
        for what, act, shown, converted in rows:
            box.click()
            keys.key_down(Keys.CONTROL).send_keys('a').key_up(Keys.CONTROL).send_keys(Keys.DELETE).perform()
            act()
            keys.perform()
            check(what, (box.get_property('value'), euro.get_property('value')), (shown, converted))

        box.click()
        keys.send_keys(Keys.TAB).perform()
        check('Tab from the lire box', focused(), 'Command1')
        keys.key_down(Keys.ALT).send_keys('c').key_up(Keys.ALT).perform()
        check('Alt+C empties the boxes, the lire box takes the focus',
              (box.get_property('value') + euro.get_property('value'), focused()), ('', 'Text1'))
        keys.key_down(Keys.ALT).send_keys('f').key_up(Keys.ALT).send_keys('i').perform()
        check('Alt+F, I opens the About window',
              browser.execute_script('return !document.querySelector(\'[data-window="frmAbout"]\').hidden'), True)
        keys.send_keys(Keys.ESCAPE).perform()
        check('Esc closes it, and the focus goes back', focused(), 'Text1')
    finally:
        browser.quit()
    print('%d failed' % failures if failures else 'trusted input: all checks passed')
    sys.exit(1 if failures else 0)


main()
