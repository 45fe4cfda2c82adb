#include "formats/webpage.h"

#include <cstdint>
#include <cstdio>
#include <map>

#include "core/savereport.h"
#include "core/textio.h"
#include "formats/acrosticlayout.h"
#include "formats/htmltext.h"

namespace quotella {

namespace {

constexpr const char* kStyle = R"CSS(
:root{--ink:#111;--paper:#fff;--line:#555;--hi:#fff3b0;--word:#e3efff;--bad:#ffd0d0;--ok:#d6f5d6;--pad:.75rem}
*{box-sizing:border-box}
body{margin:0;padding:var(--pad);font-family:Georgia,"Times New Roman",serif;color:var(--ink);background:var(--paper)}
header h1{margin:.2rem 0;font-size:1.6rem}
.byline{margin:.1rem 0 .6rem;font-style:italic}
.help{font-size:.9rem;max-width:46rem}
.play{display:flex;flex-wrap:wrap;gap:1.25rem;align-items:flex-start}
.gridbox{max-width:100%;overflow-x:auto}
#grid{border-collapse:collapse;table-layout:fixed;--cell:clamp(16px,calc((100vw - 2*var(--pad) - 24px)/var(--cols) - 1px),2.2rem)}
#grid td{width:var(--cell);min-width:var(--cell);height:calc(var(--cell)*.55 + 1.05rem);border:1px solid var(--line);position:relative;padding:0;text-align:center;vertical-align:middle}
#grid.bare .lab{display:none}
#grid td.block{background:#222}
#grid td.hyphen{font-weight:bold;font-size:1.1rem}
.num,.lab{position:absolute;z-index:1;top:1px;font:600 10px/1 Arial,Helvetica,sans-serif;pointer-events:none;white-space:nowrap}
.num{left:1px;letter-spacing:-.4px}.lab{right:1px}
input{font:700 1.05rem/1 Arial,Helvetica,sans-serif;text-transform:uppercase;text-align:center;border:0;padding:0;margin:0;background:transparent;color:var(--ink);caret-color:transparent;border-radius:0}
#grid input{position:absolute;left:0;top:10px;width:100%;height:calc(100% - 10px);font-size:clamp(.8rem,calc(var(--cell)*.5),1.1rem)}
input:focus{outline:2px solid #1a5fd0;outline-offset:-2px;background:var(--hi)}
#grid input:focus{top:0;height:100%;padding-top:10px}
.word{background:var(--word)}
.twin,.twin input{background:var(--hi)}
.wrong,.wrong input{background:var(--bad)!important}
.done td:not(.block),.done .box{background:var(--ok)}
.cluebox{flex:1 1 24rem;min-width:min(24rem,100%)}
.cluebox h2{font-size:1.1rem;margin:.2rem 0}
#clues{list-style:none;padding:0;margin:0;columns:2 13rem;column-gap:1.5rem}
#clues li{margin:0 0 .7rem;break-inside:avoid}
.clue{margin:0 0 .25rem}
.boxes{display:flex;flex-wrap:wrap;gap:2px}
.box{display:inline-flex;flex-direction:column;align-items:center;width:1.9rem;border:1px solid var(--line)}
.box input{width:100%;height:1.7rem}
.box .n{font:10px/1.2 Arial,Helvetica,sans-serif;border-top:1px solid #bbb;width:100%;text-align:center}
#controls{margin:.8rem 0;display:flex;flex-wrap:wrap;gap:.5rem}
#controls[hidden]{display:none}
button{font:1rem Arial,Helvetica,sans-serif;padding:.45rem .9rem;border:1px solid #333;border-radius:4px;background:#f4f4f4;cursor:pointer}
button:focus-visible{outline:3px solid #1a5fd0;outline-offset:2px}
#status{min-height:1.3rem;font-weight:bold}
footer{margin-top:1rem;font-size:.8rem}
@media (min-width:64rem){.gridbox{position:sticky;top:.5rem;max-height:calc(100vh - 1rem);overflow:auto}}
@media (max-width:40rem){:root{--pad:.4rem}header h1{font-size:1.3rem}}
@media print{
 #controls,#status,.help,noscript{display:none!important}
 input{color:transparent!important;background:none!important;outline:0!important}
 .word,.twin,.wrong,.done td,.done .box{background:none!important}
 #grid td.block{background:#000!important;-webkit-print-color-adjust:exact;print-color-adjust:exact}
 .gridbox{position:static;max-height:none;overflow:visible}
 #grid{--cell:min(2.2rem,calc((100vw - 2px)/var(--cols)))!important}
 #grid .lab{display:block!important}
 .play{display:block}.cluebox{margin-top:1rem}
 #clues{columns:2}
}
)CSS";

constexpr const char* kScript = R"JS(
(function () {
  'use strict';
  var D = window.QUOTELLA_DATA;
  var root = document.getElementById('acrostic');
  var cols = +root.getAttribute('data-cols');
  var grid = {}, twin = {}, answerOf = {}, order = [], answers = [];
  var sol = '', solAt = {}, current = null;
  var status = document.getElementById('status');
  var gridBox = document.querySelector('.gridbox'), clueBox = document.querySelector('.cluebox');
  // The grid and the clue list are one tab stop each, the last box visited in each: Tab
  // goes on to the next part of the page, the arrow keys move inside.
  var stops = {grid: null, clues: null};

  function decode(hex, key) {
    var s = '';
    for (var i = 0; i * 2 < hex.length; i++) {
      var c = parseInt(hex.substr(i * 2, 2), 16) ^ key.charCodeAt(i % key.length) ^ ((i * 31 + 7) & 255);
      s += String.fromCharCode(c);
    }
    return s;
  }
  function posOf(el) { var p = el.getAttribute('data-p'); return p === null ? null : +p; }
  function cellOf(el) { return el.parentNode; }

  Array.prototype.forEach.call(document.querySelectorAll('#grid input'), function (el) {
    var p = posOf(el); grid[p] = el; order.push(p);
  });
  order.sort(function (a, b) { return a - b; });
  Array.prototype.forEach.call(document.querySelectorAll('#clues li'), function (li, a) {
    var list = Array.prototype.slice.call(li.querySelectorAll('input'));
    answers.push(list);
    list.forEach(function (el) {
      el.setAttribute('data-a', a);
      var p = posOf(el);
      if (p !== null) { twin[p] = el; answerOf[p] = a; }
    });
  });
  sol = decode(D.sol, D.id);
  order.forEach(function (p, i) { solAt[p] = sol.charAt(i); });

  function save() {
    var s = order.map(function (p) { return grid[p].value || '.'; }).join('');
    try { window.localStorage.setItem('quotella:' + D.id, s); } catch (e) { }
  }
  function load() {
    var s = null;
    try { s = window.localStorage.getItem('quotella:' + D.id); } catch (e) { }
    if (!s || s.length !== order.length) return;
    order.forEach(function (p, i) { var c = s.charAt(i); put(p, c === '.' ? '' : c); });
  }
  function show(el, ch) { el.value = ch; el.shown = ch; cellOf(el).classList.remove('wrong'); }
  function put(p, ch) {
    show(grid[p], ch);
    if (twin[p]) show(twin[p], ch);
  }
  function setLetter(p, ch) { put(p, ch); save(); checkDone(); }
  function inGrid(el) { return el.getAttribute('data-a') === null; }
  function makeStop(el) {
    var part = inGrid(el) ? 'grid' : 'clues';
    if (stops[part] && stops[part] !== el) stops[part].tabIndex = -1;
    el.tabIndex = 0;
    stops[part] = el;
  }
  // Grid and clues side by side: the twin of a box can be shown without moving the box
  // out of sight. Stacked (a phone), the page stays where the solver is typing.
  function sideBySide() {
    var g = gridBox.getBoundingClientRect(), c = clueBox.getBoundingClientRect();
    return g.right <= c.left || c.right <= g.left;
  }

  function highlight(el) {
    Array.prototype.forEach.call(document.querySelectorAll('.word,.twin'), function (n) {
      n.classList.remove('word'); n.classList.remove('twin');
    });
    var p = posOf(el);
    var a = inGrid(el) ? answerOf[p] : +el.getAttribute('data-a');
    if (a !== undefined && a !== null && answers[a]) {
      answers[a].forEach(function (b) {
        var q = posOf(b);
        if (q !== null) cellOf(grid[q]).classList.add('word');
      });
    }
    if (p !== null) {
      var other = inGrid(el) ? twin[p] : grid[p];
      if (other) {
        cellOf(other).classList.add('twin');
        if (other.scrollIntoView && sideBySide())
          other.scrollIntoView({block: 'nearest', inline: 'nearest'});
      }
    }
  }
  function go(el) { if (el) { el.focus(); if (el.select) el.select(); } }
  function step(el, dir) {
    if (inGrid(el)) {
      var i = order.indexOf(posOf(el)) + dir;
      return i >= 0 && i < order.length ? grid[order[i]] : null;
    }
    var list = answers[+el.getAttribute('data-a')];
    var j = list.indexOf(el) + dir;
    return j >= 0 && j < list.length ? list[j] : null;
  }
  function vertical(el, dir) {
    if (!inGrid(el)) {
      var a = +el.getAttribute('data-a') + dir;
      return a >= 0 && a < answers.length ? answers[a][0] : null;
    }
    var p = posOf(el) + dir * cols;
    while (p >= 0 && p <= order[order.length - 1]) {
      if (grid[p]) return grid[p];
      p += dir * cols;
    }
    return null;
  }
  function nextClue(el, dir) {
    var a = inGrid(el) ? answerOf[posOf(el)] : +el.getAttribute('data-a');
    if (a === undefined) a = dir > 0 ? -1 : answers.length;
    a = (a + dir + answers.length) % answers.length;
    return answers[a][0];
  }

  function letters(text) { return (text || '').toUpperCase().replace(/[^A-Z]/g, ''); }
  function type(el, ch) {
    var p = posOf(el);
    if (p === null) show(el, ch); else setLetter(p, ch);
    if (ch) go(step(el, 1) || el);
  }
  // Typing on a keyboard is handled as keys (below); an on-screen keyboard only sends
  // input, wherever the caret was: the new letter is the one typed, not the one that was
  // there.
  function onInput(ev) {
    var el = ev.target, old = el.shown || '';
    var typed = letters(ev.data), v = letters(el.value);
    var ch = typed ? typed.charAt(typed.length - 1) : '';
    if (!ch && v) ch = old && v.length > 1 && v.indexOf(old) === 0 ? v.charAt(1) : v.charAt(0);
    type(el, ch);
  }
  function onKey(ev) {
    var el = ev.target, target = null;
    if (ev.key && ev.key.length === 1 && !ev.ctrlKey && !ev.metaKey && !ev.altKey) {
      ev.preventDefault();
      var ch = letters(ev.key);
      if (ch) type(el, ch);
      return;
    }
    switch (ev.key) {
      case 'Backspace':
        ev.preventDefault();
        if (el.value) { clearAt(el); return; }
        target = step(el, -1);
        if (target) { clearAt(target); go(target); }
        return;
      case 'Delete': ev.preventDefault(); clearAt(el); return;
      case 'ArrowLeft': target = step(el, -1); break;
      case 'ArrowRight': target = step(el, 1); break;
      case 'ArrowUp': target = vertical(el, -1); break;
      case 'ArrowDown': target = vertical(el, 1); break;
      case 'Enter': target = nextClue(el, ev.shiftKey ? -1 : 1); break;
      default: return;
    }
    ev.preventDefault();
    go(target);
  }
  function clearAt(el) {
    var p = posOf(el);
    if (p === null) el.value = ''; else setLetter(p, '');
  }

  function checkDone() {
    var done = order.every(function (p) { return grid[p].value === solAt[p]; });
    root.classList.toggle('done', done);
    if (done) status.textContent = D.done;
    else if (status.textContent === D.done) status.textContent = '';
    return done;
  }
  function check() {
    var wrong = 0;
    order.forEach(function (p) {
      var v = grid[p].value;
      if (v && v !== solAt[p]) {
        wrong++;
        cellOf(grid[p]).classList.add('wrong');
        if (twin[p]) cellOf(twin[p]).classList.add('wrong');
      }
    });
    if (!checkDone())
      status.textContent = wrong === 0 ? 'No wrong letters so far.' :
          (wrong === 1 ? '1 wrong letter is marked.' : wrong + ' wrong letters are marked.');
  }
  function revealLetter() {
    if (!current) { status.textContent = 'Choose a cell first.'; return; }
    var p = posOf(current);
    if (p === null) return;
    setLetter(p, solAt[p]);
  }
  function revealAll() {
    order.forEach(function (p) { put(p, solAt[p]); });
    save(); checkDone();
  }

  Array.prototype.forEach.call(document.querySelectorAll('#acrostic input'), function (el) {
    el.addEventListener('input', onInput);
    el.addEventListener('keydown', onKey);
    el.addEventListener('focus', function () {
      current = el; makeStop(el); highlight(el);
      if (el.select) el.select();
    });
    el.setAttribute('inputmode', 'text');
    el.tabIndex = -1;
  });
  document.getElementById('check').addEventListener('click', check);
  document.getElementById('reveal-letter').addEventListener('click', revealLetter);
  document.getElementById('reveal-all').addEventListener('click', revealAll);
  // The buttons keep the focus in the puzzle, so that "Reveal letter" knows the cell.
  Array.prototype.forEach.call(document.querySelectorAll('#controls button'), function (b) {
    b.addEventListener('mousedown', function (ev) { ev.preventDefault(); });
  });
  // The cells share the page's width, down to a size whose numbers can still be read;
  // below the size for a number and a label side by side, the labels go.
  var table = document.getElementById('grid');
  function fit() {
    var room = gridBox.parentNode.clientWidth - 2;
    var cell = Math.floor(Math.max(16, Math.min(35, room / cols)) * 4) / 4;
    table.style.setProperty('--cell', cell + 'px');
    table.classList.toggle('bare', cell < 33.5);
    table.classList.add('fitted');
  }
  fit();
  window.addEventListener('resize', fit);
  makeStop(grid[order[0]]);
  makeStop(answers[0][0]);
  document.getElementById('controls').hidden = false;
  load();
  checkDone();
})();
)JS";

std::string Html(const std::string& text) {
  return EscapeHtml(text);
}

std::uint64_t Fnv1a(const std::string& text, std::uint64_t hash = 1469598103934665603ULL) {
  for (unsigned char c : text) {
    hash ^= c;
    hash *= 1099511628211ULL;
  }
  return hash;
}

std::string Hex2(unsigned value) {
  char buffer[3];
  std::snprintf(buffer, sizeof buffer, "%02x", value & 0xFFu);
  return buffer;
}

// A JSON string literal of ASCII text, safe inside a script element.
std::string JsString(const std::string& ascii) {
  std::string out = "\"";
  for (char c : ascii) {
    if (c == '"' || c == '\\') out += '\\';
    if (c == '<') {
      out += "\\u003c";
      continue;
    }
    out += c;
  }
  return out + "\"";
}

std::string Key(const AcrosticLayout& layout) {
  std::string shape = layout.title + "\n" + std::to_string(layout.Columns()) + "\n";
  for (int r = 0; r < layout.Rows(); ++r)
    for (int c = 0; c < layout.Columns(); ++c) {
      const LayoutCell& cell = layout.At(c, r);
      shape += std::to_string(static_cast<int>(cell.kind)) + "," + std::to_string(cell.number) +
               cell.label + ";";
    }
  for (const LayoutAnswer& a : layout.Answers()) shape += a.label + "|" + a.clue + "\n";
  const std::uint64_t hash = Fnv1a(shape);
  std::string key;
  for (int shift = 56; shift >= 0; shift -= 8) key += Hex2(static_cast<unsigned>(hash >> shift));
  return key;
}

// On a screen too narrow for a cell to show both its number and its answer's label,
// the labels go (the clue boxes still name the answer). The script sizes the cells to
// the page's width exactly; without it they shrink as the style's --cell says, and this
// rule holds below the width where that makes a cell 2.1rem wide.
std::string LabelRule(int columns) {
  const int width = static_cast<int>(columns * (33.6 + 1) + 2 * 12 + 24);
  return "@media screen and (max-width:" + std::to_string(width) +
         "px){#grid:not(.fitted) .lab{display:none}}\n";
}

void AddGrid(const AcrosticLayout& layout, std::string& html) {
  html +=
      "<section class=\"gridbox\" aria-label=\"Quotation grid\">\n<table id=\"grid\" "
      "style=\"--cols:" +
      std::to_string(layout.Columns()) + "\">\n";
  for (int r = 0; r < layout.Rows(); ++r) {
    html += "<tr>";
    for (int c = 0; c < layout.Columns(); ++c) {
      const LayoutCell& cell = layout.At(c, r);
      const int position = r * layout.Columns() + c;
      switch (cell.kind) {
        case LayoutCell::Kind::Block:
          html += "<td class=\"block\"></td>";
          break;
        case LayoutCell::Kind::Hyphen:
          html += "<td class=\"hyphen\">-</td>";
          break;
        case LayoutCell::Kind::Letter: {
          const std::string number = std::to_string(cell.number);
          std::string name = "Cell " + number;
          if (!cell.label.empty()) name += ", answer " + Html(cell.label);
          html +=
              "<td class=\"cell\"><span class=\"num\">" + number + "</span><span class=\"lab\">" +
              Html(cell.label) + "</span><input data-p=\"" + std::to_string(position) +
              "\" aria-label=\"" + name +
              "\" autocomplete=\"off\" autocapitalize=\"characters\" spellcheck=\"false\"></td>";
          break;
        }
      }
    }
    html += "</tr>\n";
  }
  html += "</table>\n</section>\n";
}

void AddClues(const AcrosticLayout& layout, std::string& html) {
  html += "<section class=\"cluebox\" aria-label=\"Clues\">\n<h2>Clues</h2>\n<ol id=\"clues\">\n";
  for (const LayoutAnswer& answer : layout.Answers()) {
    const std::string label = Html(answer.label);
    const std::size_t letters = answer.word.size();
    html += "<li><p class=\"clue\"><b>" + label + ".</b> " + Html(answer.clue) +
            "</p>\n<div class=\"boxes\" role=\"group\" aria-label=\"Answer " + label + ", " +
            std::to_string(letters) + (letters == 1 ? " letter" : " letters") + "\">";
    for (std::size_t j = 0; j < letters; ++j) {
      std::string position, number;
      if (j < answer.cells.size()) {
        const auto [c, r] = answer.cells[j];
        position = std::to_string(r * layout.Columns() + c);
        number = std::to_string(layout.At(c, r).number);
      }
      std::string name = "Answer " + label + ", letter " + std::to_string(j + 1);
      if (!number.empty()) name += ", cell " + number;
      html += "<span class=\"box\"><input" +
              (position.empty() ? std::string() : " data-p=\"" + position + "\"") +
              " aria-label=\"" + name +
              "\" autocomplete=\"off\" autocapitalize=\"characters\" spellcheck=\"false\">"
              "<span class=\"n\">" +
              number + "</span></span>";
    }
    html += "</div></li>\n";
  }
  html += "</ol>\n</section>\n";
}

}  // namespace

std::string ObfuscateSolution(const std::string& letters, const std::string& key) {
  std::string hex;
  for (std::size_t i = 0; i < letters.size(); ++i) {
    const unsigned mixed = static_cast<unsigned char>(letters[i]) ^
                           static_cast<unsigned char>(key[i % key.size()]) ^ ((i * 31 + 7) & 255);
    hex += Hex2(mixed);
  }
  return hex;
}

std::string RevealSolution(const std::string& hex, const std::string& key) {
  std::string letters;
  for (std::size_t i = 0; 2 * i + 1 < hex.size(); ++i) {
    const unsigned byte = static_cast<unsigned>(std::stoul(hex.substr(2 * i, 2), nullptr, 16));
    letters += static_cast<char>(byte ^ static_cast<unsigned char>(key[i % key.size()]) ^
                                 ((i * 31 + 7) & 255));
  }
  return letters;
}

std::string WebPageKey(const PuzzleDocument& doc, const FileSession& session) {
  return Key(AcrosticLayout(doc, session));
}

std::string ComposeWebPage(const PuzzleDocument& doc, const FileSession& session) {
  const AcrosticLayout layout(doc, session);
  const std::string key = Key(layout);
  std::string letters;
  for (int r = 0; r < layout.Rows(); ++r)
    for (int c = 0; c < layout.Columns(); ++c)
      if (layout.At(c, r).kind == LayoutCell::Kind::Letter) letters += layout.At(c, r).letter;

  std::string html =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
      "<meta name=\"generator\" content=\"Quotella\">\n<title>" +
      Html(layout.title) + "</title>\n<style>" + kStyle + LabelRule(layout.Columns()) +
      "</style>\n</head>\n<body>\n" + "<main id=\"acrostic\" data-cols=\"" +
      std::to_string(layout.Columns()) + "\">\n" + "<header><h1>" + Html(layout.title) +
      "</h1><p class=\"byline\">" + Html(layout.byline) +
      "</p></header>\n"
      "<p class=\"help\">Solve the clues and write each answer in its boxes; every letter "
      "belongs in the grid cell with the number under its box. The grid then reads a "
      "quotation, and the first letters of the answers spell its author and work. Tab "
      "goes from the grid to the clues and on to the buttons; the arrow keys move within "
      "them, Enter to the next clue.</p>\n"
      "<noscript><p>This page plays the puzzle with JavaScript. Without it, print the page "
      "and solve the puzzle on paper.</p></noscript>\n<div class=\"play\">\n";
  AddGrid(layout, html);
  AddClues(layout, html);
  html +=
      "</div>\n<div id=\"controls\" hidden><button type=\"button\" id=\"check\">Check</button>"
      "<button type=\"button\" id=\"reveal-letter\">Reveal letter</button>"
      "<button type=\"button\" id=\"reveal-all\">Reveal all</button></div>\n"
      "<p id=\"status\" role=\"status\" aria-live=\"polite\"></p>\n";
  html += "<footer>" + Html(layout.copyrightNotice) +
          "</footer>\n</main>\n<script>window.QUOTELLA_DATA={\"id\":" + JsString(key) +
          ",\"sol\":" + JsString(ObfuscateSolution(letters, key)) +
          ",\"done\":" + JsString(kWebPageDoneText) + "};</script>\n<script>" + kScript +
          "</script>\n</body>\n</html>\n";
  return html;
}

bool WriteWebPage(const PuzzleDocument& doc, const FileSession& session, const std::string& path) {
  if (const std::string warning = AcrosticLayout(doc, session).UnfinishedWarning();
      !warning.empty())
    doc.host().Message(warning);
  return ReportSave(doc.host(), WriteFileAtomic(path, ComposeWebPage(doc, session)), "Web page",
                    "Could not save file ", path);
}

}  // namespace quotella
