// A JScript client of Kestrane.Class1. Usage: cscript Class1Client.js CASE FOLDER
// Text goes in and out through ANSI files in FOLDER. Prints "FAIL: ..." for each failed check
// and "KESTRANE-OK" when the case ran through without one.
var fso = new ActiveXObject("Scripting.FileSystemObject");
var folder = WScript.Arguments(1);
var failures = 0;

function check(condition, message) {
  if (!condition) {
    WScript.Echo("FAIL: " + message);
    failures++;
  }
}

function readText(name) {
  var stream = fso.OpenTextFile(folder + "\\" + name, 1, false, 0);
  var text = stream.ReadAll();
  stream.Close();
  return text;
}

function writeText(name, text) {
  var stream = fso.CreateTextFile(folder + "\\" + name, true, false);
  stream.Write(text);
  stream.Close();
}

var cases = {
  // GB text to BIG5 and back, the results written for the driver to compare.
  convert: function () {
    var converter = new ActiveXObject("Kestrane.Class1");
    var big5 = converter.GBtoBIG5(readText("gb.txt"));
    check(typeof big5 === "string", "GBtoBIG5 returns a string");
    writeText("big5-out.txt", big5);
    writeText("gb-out.txt", converter.BIG5toGB(readText("big5.txt")));
    check(converter.GBtoBIG5(12) === "12", "the number 12 converts as its text");
    check(converter.Version() === "1.0", "Version is 1.0");
    var gb = new VBArray(converter.GetGBData()).toArray();
    check(gb.length === 5030 && gb[5029] === 0xA4A4, "GetGBData holds the GB table");
  },
  // Raised errors reach the script with their message.
  error: function () {
    var converter = new ActiveXObject("Kestrane.Class1");
    try {
      converter.ReLoad();
      check(false, "ReLoad of a broken table file fails");
    } catch (e) {
      writeText("error.txt", e.description);
    }
  }
};

var name = WScript.Arguments(0);
if (cases.hasOwnProperty(name)) {
  cases[name]();
} else {
  check(false, "unknown case " + name);
}
if (failures === 0) WScript.Echo("KESTRANE-OK");
