#include "editor/completion_entries.h"

namespace {

struct Literal {
    const char16_t* shown;
    const char16_t* inserted;
};

constexpr Literal Entries[] = {
    {u"<a href", u"<a href=\"https://www.example.com/\" target=\"_blank\">Link</a>"},
    {u"<adress>", u"<address></address>"},
    {u"<area>", u"<area shape=\"rect\" coords=\"0,0,0,0\" href=\"https://www.example.com/\" "
                u"alt=\"caption\" title=\"comment\">"},
    {u"<b>", u"<b></b>"},
    {u"<bgsound>", u"<bgsound src=\"background.mid\" loop=\"infinite\">Microsoft (use embed for "
                   u"Netscape)"},
    {u"<blockquote>", u"<blockquote></blockquote>"},
    {u"<body>", u"<body background=\"background.jpg\" bgcolor=\"#FFFFFF\" text=\"#000000\" "
                u"link=\"#FF9966\" vlink=\"#FF9900\" alink=\"#800080\"></body>"},
    {u"<br>", u"<br />"},
    {u"<button>", u"<button type=\"button\" name=\"Name\" value=\"Wert\" "
                  u"onclick=\"MyScript\"></button>"},
    {u"<div>", u"<div style=\"text-align:left; padding:20px; border:thin solid red; "
               u"margin:25px\"></div>"},
    {u"<embed>", u"<embed src=\"background.mid\" autostart=\"true\" loop=\"true\" "
                 u"hidden=\"true\" height=\"0\" width=\"0\">"},
    {u"<form>", u"<form action=\"https://www.example.com/\" method=\"get\"></form>"},
    {u"<font>", u"<font face=\"Arial,Verdana\" size=\"7\" color=\"#FF0000\"></font>"},
    {u"<frame>", u"<frame src=\"mypage.htm\" name=\"left\">"},
    {u"<frameset>", u"<frameset rows=\"100,*,60\">"},
    {u"<h1>", u"<h1></h1>"},
    {u"<head>", u"<head></head>"},
    {u"<hr>", u"<hr id=\"0\" />"},
    {u"<html>", u"<html></html>"},
    {u"<iframe>", u"<iframe src=\"mypage.html\" width=\"90%\" height=\"400\" "
                  u"name=\"inline page\"></iframe>"},
    {u"<img >", u"<img src=\"mypic.jpg\" width=\"320\" height=\"400\" border=\"0\" "
                u"alt=\"comment /\">"},
    {u"<input>", u"<input name=\"name\" type=\"text\" size=\"30\" maxlength=\"30\" />"},
    {u"<li>", u"<li></li>"},
    {u"<map>", u"<map name=\"MyMap\"></map>"},
    {u"<meta>", u"<meta name=\"keywords\" lang=\"de\" content=\"Ferien,Sonne,Spanien\" />"},
    {u"<nobr>", u"<nobr></nobr>"},
    {u"<noframes>", u"<noframes></noframes>"},
    {u"<noscript>", u"<noscript></noscript>"},
    {u"<ol>", u"<ol type=\"1\" start=\"1\"></ol>"},
    {u"<p>", u"<p></p>"},
    {u"<pre>", u"<pre width=\"50\"></pre>"},
    {u"<script>", u"<script type=\"text/javascript\">$ret ...$ret</script>"},
    {u"<select>", u"<select name=\"top5\" size=\"3\"><option></option></select>"},
    {u"<span>", u"<span class=\"MyStyle\"></span>"},
    {u"<strike>", u"<strike></strike>"},
    {u"<strong>", u"<strong></strong>"},
    {u"<style>", u"<style type=\"text/css\"></style>"},
    {u"<sub>", u"<sub></sub>"},
    {u"<sup>", u"<sup></sup>"},
    {u"<table>", u"<table border=\"1\" bgcolor=\"#FFFF00\" cellspacing=\"0\" cellpadding=\"0\" "
                 u"width=\"90%\" height=\"200\"></table>"},
    {u"<tr>", u"<tr><td align=\"left\" valign=\"top\" height=\"75\" "
              u"style=\"background-image:url(background.jpg)\"></td></tr>"},
    {u"<td>", u"<td align=\"left\" valign=\"top\" height=\"75\" "
              u"style=\"background-image:url(background.jpg)\"></td>"},
    {u"<textarea>", u"<textarea cols=\"1\" rows=\"5\" name=\"ThisName\"></textarea>"},
    {u"<head>", u"<head></head>"},
    {u"<title>", u"<title></title>"},
    {u"<u>", u"<u></u>"},
    {u"<ul>", u"<ul type=\"circle/disc/square\">$ret<li></li>$ret</ul>"},
    {u"<!doctype>", u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">"},
    // HTML 5, after the classic entries so those keep their places.
    {u"<article>", u"<article></article>"},
    {u"<aside>", u"<aside></aside>"},
    {u"<audio>", u"<audio src=\"sound.mp3\" controls></audio>"},
    {u"<bdi>", u"<bdi></bdi>"},
    {u"<canvas>", u"<canvas id=\"canvas\" width=\"300\" height=\"150\"></canvas>"},
    {u"<data>", u"<data value=\"0\"></data>"},
    {u"<datalist>", u"<datalist id=\"choices\"><option value=\"\"></option></datalist>"},
    {u"<details>", u"<details><summary></summary></details>"},
    {u"<dialog>", u"<dialog></dialog>"},
    {u"<figcaption>", u"<figcaption></figcaption>"},
    {u"<figure>", u"<figure></figure>"},
    {u"<footer>", u"<footer></footer>"},
    {u"<header>", u"<header></header>"},
    {u"<main>", u"<main></main>"},
    {u"<mark>", u"<mark></mark>"},
    {u"<meter>", u"<meter value=\"0\" min=\"0\" max=\"100\"></meter>"},
    {u"<nav>", u"<nav></nav>"},
    {u"<output>", u"<output name=\"result\"></output>"},
    {u"<picture>", u"<picture><source srcset=\"mypic.webp\" type=\"image/webp\"><img "
                   u"src=\"mypic.jpg\" alt=\"comment\"></picture>"},
    {u"<progress>", u"<progress value=\"0\" max=\"100\"></progress>"},
    {u"<section>", u"<section></section>"},
    {u"<source>", u"<source src=\"myvideo.mp4\" type=\"video/mp4\">"},
    {u"<summary>", u"<summary></summary>"},
    {u"<template>", u"<template></template>"},
    {u"<time>", u"<time datetime=\"2000-01-01\"></time>"},
    {u"<track>", u"<track src=\"subtitles.vtt\" kind=\"subtitles\" srclang=\"de\" "
                 u"label=\"Deutsch\">"},
    {u"<video>", u"<video src=\"myvideo.mp4\" width=\"320\" height=\"240\" controls></video>"},
    {u"<wbr>", u"<wbr>"},
};

bool endsToken(QChar c) {
    return QStringView(CompletionEndOfTokenChars).contains(c) || c == u'\t' || c == u'\r' ||
           c == u'\n';
}

} // namespace

const QList<CompletionEntry>& completionEntries() {
    static const QList<CompletionEntry> entries = [] {
        QList<CompletionEntry> list;
        for (const Literal& e : Entries)
            list.append({QString::fromUtf16(e.shown), QString::fromUtf16(e.inserted)});
        return list;
    }();
    return entries;
}

QList<int> completionMatches(QStringView token) {
    QList<int> matches;
    const QList<CompletionEntry>& entries = completionEntries();
    for (int i = 0; i < entries.size(); ++i) {
        if (entries[i].shown.startsWith(token, Qt::CaseInsensitive))
            matches.append(i);
    }
    return matches;
}

qsizetype completionTokenStart(QStringView textBeforeCaret) {
    for (qsizetype i = textBeforeCaret.size() - 1; i >= 0; --i) {
        const QChar c = textBeforeCaret[i];
        if (c == u'<')
            return i;
        if (endsToken(c))
            return i + 1;
    }
    return 0;
}
