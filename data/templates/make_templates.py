#!/usr/bin/python3
"""Writes the program's Word templates into this folder.

Run with Debian's Python (python3-docx): /usr/bin/python3 make_templates.py

The documents are laid out so that the program finds each value's cell where it writes it
(table, row, column counted as Word counts cells: a cell spanning columns counts once, a cell
continued from the row above keeps its place). Change a layout here, run the script again and
commit the .docx files it writes.
"""

import os

from docx import Document
from docx.enum.section import WD_SECTION
from docx.enum.table import WD_CELL_VERTICAL_ALIGNMENT, WD_ROW_HEIGHT_RULE, WD_TABLE_ALIGNMENT
from docx.enum.text import WD_ALIGN_PARAGRAPH, WD_BREAK
from docx.oxml import OxmlElement
from docx.oxml.ns import qn
from docx.shared import Mm, Pt

HERE = os.path.dirname(os.path.abspath(__file__))
SONG = "宋体"
FANGSONG = "仿宋_GB2312"
HEI = "黑体"


def set_font(run, name, size, bold=False):
    run.font.name = name
    run.font.size = Pt(size)
    run.font.bold = bold
    fonts = run._element.get_or_add_rPr().get_or_add_rFonts()
    fonts.set(qn("w:eastAsia"), name)


def new_document(margins_mm):
    doc = Document()
    section = doc.sections[0]
    section.page_width, section.page_height = Mm(210), Mm(297)
    left, top, right, bottom = margins_mm
    section.left_margin, section.top_margin = Mm(left), Mm(top)
    section.right_margin, section.bottom_margin = Mm(right), Mm(bottom)
    normal = doc.styles["Normal"]
    normal.font.name = SONG
    normal.font.size = Pt(12)
    normal.element.get_or_add_rPr().get_or_add_rFonts().set(qn("w:eastAsia"), SONG)
    return doc


def title(doc, text, size=22, before_page_break=False):
    paragraph = doc.add_paragraph()
    paragraph.alignment = WD_ALIGN_PARAGRAPH.CENTER
    paragraph.paragraph_format.space_after = Pt(6)
    if before_page_break:
        paragraph.paragraph_format.page_break_before = True
    set_font(paragraph.add_run(text), HEI, size, bold=True)
    return paragraph


def set_borders(table, show):
    """Frames every cell of `table`, or none."""
    properties = table._tbl.tblPr
    borders = OxmlElement("w:tblBorders")
    for side in ("top", "left", "bottom", "right", "insideH", "insideV"):
        border = OxmlElement("w:" + side)
        border.set(qn("w:val"), "single" if show else "nil")
        border.set(qn("w:sz"), "8")
        border.set(qn("w:space"), "0")
        border.set(qn("w:color"), "000000")
        borders.append(border)
    properties.append(borders)


def grid_table(doc, widths_mm, heights_mm, borders=True):
    table = doc.add_table(rows=len(heights_mm), cols=len(widths_mm))
    table.alignment = WD_TABLE_ALIGNMENT.CENTER
    table.autofit = False
    set_borders(table, borders)
    layout = OxmlElement("w:tblLayout")
    layout.set(qn("w:type"), "fixed")
    table._tbl.tblPr.append(layout)
    for column, width in zip(table.columns, widths_mm):
        column.width = Mm(width)
    for row, height in zip(table.rows, heights_mm):
        row.height = Mm(height)
        row.height_rule = WD_ROW_HEIGHT_RULE.EXACTLY
        for cell, width in zip(row.cells, widths_mm):
            cell.width = Mm(width)
            cell.vertical_alignment = WD_CELL_VERTICAL_ALIGNMENT.CENTER
    return table


def label(cell, text, size=10.5, align=WD_ALIGN_PARAGRAPH.CENTER):
    paragraph = cell.paragraphs[0]
    paragraph.alignment = align
    for line_number, line in enumerate(text.split("\n")):
        run = paragraph.add_run(line)
        set_font(run, SONG, size)
        if line_number < len(text.split("\n")) - 1:
            run.add_break(WD_BREAK.LINE)


def value_cell(cell, align=WD_ALIGN_PARAGRAPH.CENTER, size=12):
    """A cell the program fills: its paragraph carries the font the value is written in."""
    paragraph = cell.paragraphs[0]
    paragraph.alignment = align
    set_font(paragraph.add_run(""), SONG, size)


# ---- 干部任免审批表: page 1 ---------------------------------------------------------------

PAGE1_WIDTHS = [20, 20, 20, 20, 20, 22, 34]


def approval_head_rows(rows):
    """Rows 1 to 6 of the form's first page: the basic fields, the photo and the education."""
    labels = [
        (0, 0, "姓  名"), (0, 2, "性  别"), (0, 4, "出生年月\n(  岁)"),
        (1, 0, "民  族"), (1, 2, "籍  贯"), (1, 4, "出 生 地"),
        (2, 0, "入  党\n时  间"), (2, 2, "参加工\n作时间"), (2, 4, "健康状况"),
        (3, 0, "专业技\n术职务"), (3, 2, "熟悉专业\n有何专长"),
    ]
    for r, c, text in labels:
        label(rows[r].cells[c], text)
    for r, c in [(0, 1), (0, 3), (0, 5), (1, 1), (1, 3), (1, 5), (2, 1), (2, 3), (2, 5),
                 (3, 1)]:
        value_cell(rows[r].cells[c])
    # The photo: column 7 of rows 1 to 4.
    rows[0].cells[6].merge(rows[3].cells[6])
    value_cell(rows[0].cells[6])
    # 熟悉专业有何专长: its value spans three columns.
    value_cell(rows[3].cells[3].merge(rows[3].cells[5]))
    # 学历学位: two rows, full-time and in-service education.
    education = rows[4].cells[0].merge(rows[5].cells[0])
    label(education, "学  历\n学  位")
    for r, kind in [(4, "全日制\n教  育"), (5, "在  职\n教  育")]:
        label(rows[r].cells[1], kind)
        value_cell(rows[r].cells[2].merge(rows[r].cells[3]))
        label(rows[r].cells[4], "毕业院校\n系及专业")
        value_cell(rows[r].cells[5].merge(rows[r].cells[6]), WD_ALIGN_PARAGRAPH.LEFT)


def approval_page1(doc):
    heights = [14, 14, 14, 16, 14, 14, 12, 12, 12, 118]
    table = grid_table(doc, PAGE1_WIDTHS, heights)
    rows = table.rows
    approval_head_rows(rows)
    for r, text in [(6, "现任职务"), (7, "拟任职务"), (8, "拟免职务")]:
        label(rows[r].cells[0], text)
        value_cell(rows[r].cells[1].merge(rows[r].cells[6]), WD_ALIGN_PARAGRAPH.LEFT)
    label(rows[9].cells[0], "简\n\n\n\n历")
    resume = rows[9].cells[1].merge(rows[9].cells[6])
    resume.vertical_alignment = WD_CELL_VERTICAL_ALIGNMENT.TOP
    value_cell(resume, WD_ALIGN_PARAGRAPH.LEFT)
    return table


# ---- 干部任免审批表: page 2 ---------------------------------------------------------------

PAGE2_WIDTHS = [18, 18, 22, 14, 22, 62]


def approval_page2(doc):
    heights = [24, 18, 22, 10, 10, 10, 10, 10, 10, 10, 10, 30, 30, 30]
    table = grid_table(doc, PAGE2_WIDTHS, heights)
    rows = table.rows
    for r, text in [(0, "奖惩\n情况"), (1, "年度考\n核结果"), (2, "任免\n理由")]:
        label(rows[r].cells[0], text)
        value_cell(rows[r].cells[1].merge(rows[r].cells[5]), WD_ALIGN_PARAGRAPH.LEFT)
    family = rows[3].cells[0].merge(rows[10].cells[0])
    label(family, "主要家\n庭成员\n及重要\n社会关\n系")
    for c, text in enumerate(["称  谓", "姓  名", "年龄", "政治\n面貌", "工 作 单 位 及 职 务"],
                             start=1):
        label(rows[3].cells[c], text)
    for r in range(4, 11):
        for c in range(1, 6):
            value_cell(rows[r].cells[c],
                       WD_ALIGN_PARAGRAPH.LEFT if c == 5 else WD_ALIGN_PARAGRAPH.CENTER)
    for r, text in [(11, "呈报\n单位"), (12, "审批机\n关意见"), (13, "行政机\n关任免\n意见")]:
        label(rows[r].cells[0], text)
        opinion = rows[r].cells[1].merge(rows[r].cells[5])
        opinion.vertical_alignment = WD_CELL_VERTICAL_ALIGNMENT.TOP
        value_cell(opinion, WD_ALIGN_PARAGRAPH.LEFT)
    return table


def approval_form(path):
    doc = new_document((27, 20, 27, 15))
    title(doc, "干部任免审批表")
    approval_page1(doc)
    title(doc, "", size=6, before_page_break=True)
    approval_page2(doc)
    closing = doc.add_paragraph()
    set_font(closing.add_run("填表人："), SONG, 12)
    doc.save(path)


def short_profile(path):
    """The form's first six rows, 现任职务 (7,2) and the summary paragraph 简要情况 (8,2)."""
    doc = new_document((27, 20, 27, 15))
    title(doc, "干部简要情况表")
    table = grid_table(doc, PAGE1_WIDTHS, [14, 14, 14, 16, 14, 14, 12, 100])
    rows = table.rows
    approval_head_rows(rows)
    label(rows[6].cells[0], "现任职务")
    value_cell(rows[6].cells[1].merge(rows[6].cells[6]), WD_ALIGN_PARAGRAPH.LEFT)
    label(rows[7].cells[0], "简\n要\n情\n况")
    summary = rows[7].cells[1].merge(rows[7].cells[6])
    summary.vertical_alignment = WD_CELL_VERTICAL_ALIGNMENT.TOP
    value_cell(summary, WD_ALIGN_PARAGRAPH.LEFT, size=14)
    doc.save(path)


# ---- 文本型简历 -----------------------------------------------------------------------------

def text_resume(path):
    doc = new_document((20, 20, 20, 20))
    table = grid_table(doc, [133, 37], [16, 52, 150], borders=False)
    rows = table.rows
    heading = rows[0].cells[0].merge(rows[0].cells[1])
    paragraph = heading.paragraphs[0]
    paragraph.alignment = WD_ALIGN_PARAGRAPH.CENTER
    set_font(paragraph.add_run(""), FANGSONG, 20, bold=True)
    summary = rows[1].cells[0]
    summary.vertical_alignment = WD_CELL_VERTICAL_ALIGNMENT.TOP
    set_font(summary.paragraphs[0].add_run(""), FANGSONG, 14)
    photo = rows[1].cells[1]
    value_cell(photo)
    borders = OxmlElement("w:tcBorders")
    for side in ("top", "left", "bottom", "right"):
        border = OxmlElement("w:" + side)
        border.set(qn("w:val"), "single")
        border.set(qn("w:sz"), "8")
        border.set(qn("w:color"), "000000")
        borders.append(border)
    photo._tc.get_or_add_tcPr().append(borders)
    resume = rows[2].cells[0].merge(rows[2].cells[1])
    resume.vertical_alignment = WD_CELL_VERTICAL_ALIGNMENT.TOP
    # The summary and the resume grow with their text.
    rows[1].height_rule = WD_ROW_HEIGHT_RULE.AT_LEAST
    rows[2].height_rule = WD_ROW_HEIGHT_RULE.AT_LEAST
    set_font(resume.paragraphs[0].add_run(""), SONG, 12)
    doc.save(path)


if __name__ == "__main__":
    approval_form(os.path.join(HERE, "干部任免审批表.docx"))
    short_profile(os.path.join(HERE, "干部简要情况表.docx"))
    text_resume(os.path.join(HERE, "文本型简历.docx"))
