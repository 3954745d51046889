// The demonstration pages of the embedded service. Each page names its
// service number (data-service); this script shows it with the digest the
// program appended to the page address ("?digest=") and whether the digest
// has the form of an MD5 text: 32 upper-case hex digits.
(function () {
  var service = document.body.getAttribute("data-service");
  var digest = new URLSearchParams(window.location.search).get("digest") || "";
  var wellFormed = /^[0-9A-F]{32}$/.test(digest);

  function element(tag, text, className) {
    var node = document.createElement(tag);
    if (text !== undefined) node.textContent = text;
    if (className) node.className = className;
    return node;
  }

  var main = element("main");
  main.appendChild(element("p", "Brellis 演示服务", "caption"));
  var heading = element("h1", "服务 ");
  heading.appendChild(element("span", service, "number"));
  main.appendChild(heading);
  main.appendChild(element("p", "本页面由内置演示服务提供，对应服务编号 " + service + "。"));
  var list = element("dl");
  list.appendChild(element("dt", "服务编号"));
  list.appendChild(element("dd", service));
  list.appendChild(element("dt", "收到的摘要"));
  list.appendChild(element("dd", digest === "" ? "（无）" : digest, "digest"));
  list.appendChild(element("dt", "摘要检查"));
  list.appendChild(element("dd", wellFormed ? "32 位大写十六进制，格式正确" : "不是 32 位大写十六进制",
                           wellFormed ? "good" : "bad"));
  main.appendChild(list);
  document.body.appendChild(main);
})();
