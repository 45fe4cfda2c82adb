#!/usr/bin/env python3
"""Plays the exported web page of a real puzzle in headless Chromium."""
import argparse
import contextlib
import json
import os
import struct
import subprocess
import sys
import tempfile
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

ARGS = None
DONE_TEXT = "Congratulations! The quotation is complete."


def run_cli(*args):
    return subprocess.run([ARGS.cli, *args], capture_output=True, text=True, check=False)


def browser(javascript=True, width=1200, height=900, phone=False):
    options = webdriver.ChromeOptions()
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                 "--window-size=%d,%d" % (width, height), "--user-data-dir=" + tempfile.mkdtemp()):
        options.add_argument(flag)
    if phone:
        # A phone: its screen's width in CSS pixels, touch, no scroll bars.
        options.add_experimental_option("mobileEmulation", {
            "deviceMetrics": {"width": width, "height": height, "pixelRatio": 1.0, "touch": True},
            "userAgent": "Mozilla/5.0 (Linux; Android 14; Pixel) AppleWebKit/537.36 "
                         "(KHTML, like Gecko) Chrome/120.0 Mobile Safari/537.36"})
    if not javascript:
        options.add_experimental_option(
            "prefs", {"profile.managed_default_content_settings.javascript": 2})
    driver_path = "/usr/bin/chromedriver"
    service = Service(driver_path) if os.path.exists(driver_path) else Service()
    return webdriver.Chrome(service=service, options=options)


def answer_boxes(driver, k):
    return driver.find_elements(By.CSS_SELECTOR, "#clues li")[k].find_elements(By.TAG_NAME,
                                                                               "input")


def tap(driver, element):
    finger = ActionBuilder(driver, mouse=PointerInput(interaction.POINTER_TOUCH, "finger"))
    finger.pointer_action.move_to(element).pointer_down().pointer_up()
    finger.perform()


def in_viewport(driver, element):
    return driver.execute_script(
        "var r = arguments[0].getBoundingClientRect();"
        "return r.top >= 0 && r.left >= 0 && r.bottom <= innerHeight && r.right <= innerWidth;",
        element)


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    assert head[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG file"
    return struct.unpack(">II", head[16:24])


class WebPageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.dir = tempfile.mkdtemp()
        cls.page = os.path.join(cls.dir, "puzzle.html")
        made = run_cli("export", ARGS.puzzle, "--html", "-o", cls.page)
        assert made.returncode == 0, made.stderr
        shown = run_cli("show", ARGS.puzzle, "--json")
        assert shown.returncode == 0, shown.stderr
        cls.state = json.loads(shown.stdout)
        with open(cls.page, encoding="utf-8") as f:
            cls.source = f.read()

    @contextlib.contextmanager
    def opened(self, **options):
        driver = browser(**options)
        try:
            driver.get("file://" + self.page)
            yield driver
        finally:
            driver.quit()

    def grid_cell(self, driver, box):
        return driver.find_element(By.CSS_SELECTOR,
                                   '#grid input[data-p="%s"]' % box.get_attribute("data-p"))

    def test_solver_plays_the_puzzle(self):
        first, second = self.state["rows"][0], self.state["rows"][1]
        # The answers are not in the page as plain text.
        for row in self.state["rows"]:
            if len(row["word"]) > 3:
                self.assertNotIn(row["word"], self.source)

        driver = browser()
        try:
            driver.get("file://" + self.page)
            answers = driver.find_elements(By.CSS_SELECTOR, "#clues li")
            self.assertEqual(len(answers), len(self.state["rows"]))
            boxes = answers[0].find_elements(By.TAG_NAME, "input")
            self.assertEqual(len(boxes), len(first["word"]))
            for box, letter in zip(boxes, first["word"]):
                box.send_keys(letter.lower())
            for box, letter, number in zip(boxes, first["word"], first["numbers"]):
                self.assertEqual(box.get_attribute("value"), letter)
                cell = self.grid_cell(driver, box)
                self.assertEqual(cell.get_attribute("value"), letter)
                self.assertIn("Cell %d" % number, cell.get_attribute("aria-label"))

            # A wrong letter typed in the grid shows in the clue box too and is marked.
            wrong_box = answers[1].find_elements(By.TAG_NAME, "input")[1]
            wrong_cell = self.grid_cell(driver, wrong_box)
            wrong_letter = "Q" if second["word"][1] != "Q" else "Z"
            wrong_cell.send_keys(wrong_letter)
            self.assertEqual(wrong_box.get_attribute("value"), wrong_letter)
            driver.find_element(By.ID, "check").click()
            marked = lambda el: "wrong" in el.find_element(By.XPATH, "..").get_attribute("class")
            self.assertTrue(marked(wrong_box))
            self.assertTrue(marked(wrong_cell))
            self.assertFalse(any(marked(b) for b in boxes))
            self.assertIn("1 wrong letter", driver.find_element(By.ID, "status").text)

            # Arrow keys move along the answer; Enter and the down arrow go on to the next
            # clue.
            boxes[0].click()
            boxes[0].send_keys(Keys.ARROW_RIGHT)
            self.assertEqual(driver.switch_to.active_element, boxes[1])
            boxes[1].send_keys(Keys.ENTER)
            self.assertEqual(driver.switch_to.active_element,
                             answers[1].find_elements(By.TAG_NAME, "input")[0])
            driver.switch_to.active_element.send_keys(Keys.ARROW_DOWN)
            self.assertEqual(driver.switch_to.active_element,
                             answers[2].find_elements(By.TAG_NAME, "input")[0])

            # "Reveal letter" fills the chosen cell and its twin.
            third = answers[2].find_elements(By.TAG_NAME, "input")
            third[0].click()
            driver.find_element(By.ID, "reveal-letter").click()
            self.assertEqual(third[0].get_attribute("value"), self.state["rows"][2]["word"][0])
            self.assertEqual(self.grid_cell(driver, third[0]).get_attribute("value"),
                             self.state["rows"][2]["word"][0])
            self.assertEqual(third[1].get_attribute("value"), "")

            driver.find_element(By.ID, "reveal-all").click()
            self.assertEqual(driver.find_element(By.ID, "status").text, DONE_TEXT)
            self.assertEqual(wrong_box.get_attribute("value"), second["word"][1])

            driver.execute_script("window.scrollTo(0, 0)")
            shot = os.path.join(ARGS.out, "webpage.png")
            self.assertTrue(driver.save_screenshot(shot))
            width, height = png_size(shot)
            self.assertGreaterEqual(width, 600)
            self.assertGreaterEqual(height, 400)
            self.assertLessEqual(width * height, 20_000_000)
            self.assertGreater(os.path.getsize(shot), 20_000)  # not a blank page

            # Printed, the page is a clean blank puzzle: no buttons, no letters.
            driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
            self.assertFalse(driver.find_element(By.ID, "check").is_displayed())
            self.assertEqual(boxes[0].value_of_css_property("color"), "rgba(0, 0, 0, 0)")
            self.assertEqual(self.grid_cell(driver, boxes[0]).value_of_css_property("color"),
                             "rgba(0, 0, 0, 0)")
            driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": ""})
            self.assertTrue(driver.find_element(By.ID, "check").is_displayed())

            # Progress is kept in the browser: a reload shows the solved puzzle.
            driver.refresh()
            self.assertEqual(driver.find_element(By.ID, "status").text, DONE_TEXT)
            boxes = driver.find_elements(By.CSS_SELECTOR, "#clues li")[0].find_elements(
                By.TAG_NAME, "input")
            self.assertEqual("".join(b.get_attribute("value") for b in boxes), first["word"])
        finally:
            driver.quit()

    def test_typing_over_a_letter_replaces_it_however_the_box_was_reached(self):
        with self.opened() as driver:
            box = answer_boxes(driver, 3)[1]
            cell = self.grid_cell(driver, box)
            cell.send_keys("a")
            self.assertEqual(box.get_attribute("value"), "A")
            # Clicked in the middle, where the caret would land before the old letter.
            for target, letter in ((cell, "b"), (box, "c"), (cell, "d")):
                ActionChains(driver).move_to_element(target).click().send_keys(letter).perform()
                self.assertEqual(cell.get_attribute("value"), letter.upper())
                self.assertEqual(box.get_attribute("value"), letter.upper())

        # An on-screen keyboard sends text without keys.
        with self.opened(width=390, height=844, phone=True) as driver:
            box = answer_boxes(driver, 3)[1]
            cell = self.grid_cell(driver, box)
            for target, letter in ((box, "E"), (box, "F"), (cell, "G")):
                driver.execute_script("arguments[0].scrollIntoView({block: 'center'})", target)
                tap(driver, target)
                self.assertEqual(driver.switch_to.active_element, target)
                driver.execute_cdp_cmd("Input.insertText", {"text": letter.lower()})
                self.assertEqual(cell.get_attribute("value"), letter)
                self.assertEqual(box.get_attribute("value"), letter)

    def test_tab_goes_through_grid_clues_and_buttons_in_page_order(self):
        with self.opened() as driver:
            last = answer_boxes(driver, -1)[-1]
            last.click()
            last.send_keys(Keys.TAB)
            self.assertEqual(driver.switch_to.active_element.get_attribute("id"), "check")
            # Back: the clue list is one stop and returns to the box last visited.
            ActionChains(driver).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(
                Keys.SHIFT).perform()
            self.assertEqual(driver.switch_to.active_element, last)

            # From a grid cell, Tab reaches the clue list and then the buttons.
            cell = driver.find_elements(By.CSS_SELECTOR, "#grid input")[5]
            cell.click()
            cell.send_keys(Keys.ARROW_RIGHT)
            cell = driver.switch_to.active_element
            cell.send_keys(Keys.TAB)
            self.assertEqual(driver.switch_to.active_element, last)
            driver.switch_to.active_element.send_keys(Keys.TAB)
            self.assertEqual(driver.switch_to.active_element.get_attribute("id"), "check")
            # Reveal letter, reached by keyboard, still knows the box it is for.
            driver.switch_to.active_element.send_keys(Keys.TAB)
            self.assertEqual(driver.switch_to.active_element.get_attribute("id"),
                             "reveal-letter")
            driver.switch_to.active_element.send_keys(Keys.ENTER)
            self.assertEqual(last.get_attribute("value"), self.state["rows"][-1]["word"][-1])
            # Shift+Tab from the buttons comes back to the grid cell last visited.
            for _ in range(3):
                ActionChains(driver).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(
                    Keys.SHIFT).perform()
            self.assertEqual(driver.switch_to.active_element, cell)

    def test_page_fits_a_phone_and_keeps_the_tapped_box_in_view(self):
        with self.opened(width=390, height=844, phone=True) as driver:
            self.assertEqual(driver.execute_script("return innerWidth"), 390)
            self.assertEqual(driver.find_element(By.ID, "acrostic").get_attribute("data-cols"),
                             "21")
            # The whole grid fits the width: nothing scrolls sideways.
            widths = driver.execute_script(
                "var g = document.querySelector('.gridbox');"
                "return [g.scrollWidth, g.clientWidth, document.documentElement.scrollWidth];")
            self.assertLessEqual(widths[0], widths[1])
            self.assertLessEqual(widths[2], 390)
            # Numbers stay legible; labels go before they would crowd them.
            number = driver.find_element(By.CSS_SELECTOR, "#grid .num")
            self.assertGreaterEqual(float(number.value_of_css_property("font-size")[:-2]), 10)
            self.assertFalse(driver.find_element(By.CSS_SELECTOR, "#grid .lab").is_displayed())
            self.assertGreaterEqual(float(driver.find_element(By.CSS_SELECTOR, ".box .n")
                                          .value_of_css_property("font-size")[:-2]), 10)

            driver.save_screenshot(os.path.join(ARGS.out, "webpage-390.png"))
            # A tap on a clue box far below the grid: the box stays on screen to type into.
            box = answer_boxes(driver, -2)[0]
            driver.execute_script("arguments[0].scrollIntoView({block: 'center'})", box)
            tap(driver, box)
            self.assertEqual(driver.switch_to.active_element, box)
            self.assertTrue(in_viewport(driver, box))
            driver.execute_cdp_cmd("Input.insertText", {"text": "x"})
            self.assertTrue(in_viewport(driver, driver.switch_to.active_element))

    def test_wide_screen_shows_grid_beside_two_columns_of_clues(self):
        with self.opened(width=1280, height=900) as driver:
            grid = driver.find_element(By.CSS_SELECTOR, ".gridbox").rect
            clues = driver.find_elements(By.CSS_SELECTOR, "#clues li")
            self.assertLessEqual(grid["x"] + grid["width"], clues[0].rect["x"])
            lefts = sorted({round(li.rect["x"]) for li in clues})
            self.assertEqual(len(lefts), 2)
            self.assertTrue(driver.find_element(By.CSS_SELECTOR, "#grid .lab").is_displayed())
            driver.save_screenshot(os.path.join(ARGS.out, "webpage-1280.png"))
            # The grid shows the twin of a box far down the clues without moving the page
            # away from the box.
            box = clues[-1].find_elements(By.TAG_NAME, "input")[0]
            driver.execute_script("arguments[0].scrollIntoView({block: 'center'})", box)
            box.click()
            self.assertTrue(in_viewport(driver, box))
            self.assertTrue(in_viewport(driver, self.grid_cell(driver, box)))

    def test_page_reads_without_javascript(self):
        driver = browser(javascript=False)
        try:
            driver.get("file://" + self.page)
            grid_rows = driver.find_elements(By.CSS_SELECTOR, "#grid tr")
            self.assertEqual(len(grid_rows), self.state["grid"]["rows"])
            numbers = [n.text for n in driver.find_elements(By.CSS_SELECTOR, "#grid .num")]
            self.assertEqual(numbers, [str(n) for n in range(1, len(numbers) + 1)])
            clues = driver.find_element(By.ID, "clues").text
            for row in self.state["rows"]:
                clue = row["clue"].split(".", 1)[1].strip()
                self.assertIn(clue, clues)
            # The script did not run (it marks every box for the on-screen keyboard) ...
            self.assertIsNone(
                driver.find_element(By.CSS_SELECTOR, "#grid input").get_attribute("inputmode"))
            # ... so the buttons stay hidden and nothing claims to be solved.
            self.assertFalse(driver.find_element(By.ID, "check").is_displayed())
            self.assertEqual(driver.find_element(By.ID, "status").text, "")
        finally:
            driver.quit()


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--puzzle", required=True)
    parser.add_argument("--out", required=True)
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0], *rest], verbosity=2)
