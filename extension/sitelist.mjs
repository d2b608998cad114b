// The site list shared by the lookup dialogs and the currency dialog: one checkbox per entry,
// labelled by its short description, ticked by a click on the box, Space or a double-click on the
// entry; the status line shows the description of the entry in focus.

import { element, lines } from './ui.mjs';

/**
 * The list's rule for exclusive entries, as the core documents it for its dialogs: after the
 * entry clicked has flipped, every other ticked entry loses its tick when it or the entry
 * clicked is exclusive.
 * @param {boolean[]} ticks
 * @param {Array<{exclusive: boolean}>} entries
 * @param {number} clicked
 */
export function applyExclusive(ticks, entries, clicked) {
    for (let entry = 0; entry < ticks.length; entry++) {
        if (entry !== clicked && ticks[entry] && (entries[entry].exclusive || entries[clicked].exclusive))
            ticks[entry] = false;
    }
}

/**
 * The list with its label and status line.
 * @param {any} dialog the dialog's description (entries, texts.label, texts.column)
 * @returns {{view: HTMLElement, ticked: () => boolean[], focus: () => void}}
 */
export function siteList(dialog) {
    /** @type {any[]} */
    const entries = dialog.entries;
    const boxes = entries.map((entry, index) => element('input', {
        type: 'checkbox', id: 'tick-' + index, checked: entry.ticked, 'aria-labelledby': 'short-' + index,
        'aria-describedby': 'status',
    }));
    const status = element('p', { id: 'status', className: 'status', role: 'status' });
    const show = (/** @type {number} */ index) => {
        status.textContent = entries[index]?.status ?? '';
    };
    const flipped = (/** @type {number} */ index) => {
        const ticks = boxes.map((box) => box.checked);
        applyExclusive(ticks, entries, index);
        boxes.forEach((box, entry) => { box.checked = ticks[entry]; });
        show(index);
    };
    const rows = entries.map((entry, index) => {
        const box = boxes[index];
        box.addEventListener('change', () => flipped(index));
        box.addEventListener('focus', () => show(index));
        const row = element('li', {}, [box, element('span', { id: 'short-' + index }, [entry.short])]);
        row.addEventListener('click', (event) => {
            if (event.target !== box)
                box.focus();
        });
        row.addEventListener('dblclick', (event) => {
            if (event.target === box)
                return;
            box.checked = !box.checked;
            flipped(index);
        });
        return row;
    });
    const first = entries.findIndex((entry) => entry.ticked);
    show(first >= 0 ? first : 0);
    const view = element('div', { className: 'site-list' }, [
        element('p', { id: 'list-label', className: 'list-label' }, lines(dialog.texts.label ?? '')),
        element('div', { className: 'list', role: 'group', 'aria-labelledby': 'list-label' }, [
            element('div', { className: 'column', 'aria-hidden': 'true' }, [dialog.texts.column ?? '']),
            element('ul', {}, rows),
        ]),
        status,
    ]);
    return {
        view,
        ticked: () => boxes.map((box) => box.checked),
        focus: () => (boxes.find((box) => box.checked) ?? boxes[0])?.focus(),
    };
}
