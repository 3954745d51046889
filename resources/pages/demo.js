// Shows the digest the program appended to the page address ("?digest=")
// and whether it has the form of an MD5 text: 32 upper-case hex digits.
(function () {
  var digest = new URLSearchParams(window.location.search).get("digest") || "";
  document.getElementById("digest").textContent = digest === "" ? "（无）" : digest;
  var check = document.getElementById("check");
  var wellFormed = /^[0-9A-F]{32}$/.test(digest);
  check.textContent = wellFormed ? "32 位大写十六进制，格式正确" : "不是 32 位大写十六进制";
  check.className = wellFormed ? "good" : "bad";
})();
