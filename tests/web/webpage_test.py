#!/usr/bin/env python3
"""Plays the exported web page of a real puzzle in headless Chromium."""
import argparse
import json
import os
import struct
import subprocess
import sys
import tempfile
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

ARGS = None
DONE_TEXT = "Congratulations! The quotation is complete."


def run_cli(*args):
    return subprocess.run([ARGS.cli, *args], capture_output=True, text=True, check=False)


def browser(javascript=True):
    options = webdriver.ChromeOptions()
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                 "--window-size=1200,900", "--user-data-dir=" + tempfile.mkdtemp()):
        options.add_argument(flag)
    if not javascript:
        options.add_experimental_option(
            "prefs", {"profile.managed_default_content_settings.javascript": 2})
    driver_path = "/usr/bin/chromedriver"
    service = Service(driver_path) if os.path.exists(driver_path) else Service()
    return webdriver.Chrome(service=service, options=options)


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

            # Arrow keys move along the answer; Tab goes on to the next clue.
            boxes[0].click()
            boxes[0].send_keys(Keys.ARROW_RIGHT)
            self.assertEqual(driver.switch_to.active_element, boxes[1])
            boxes[1].send_keys(Keys.TAB)
            self.assertEqual(driver.switch_to.active_element,
                             answers[1].find_elements(By.TAG_NAME, "input")[0])

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
