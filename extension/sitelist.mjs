// The site list shared by the lookup dialogs and the currency dialog, kept as the browser's own
// lists are: one checkbox per entry, labelled by its short description and described by its long
// one, ticked by a click anywhere on its row or Space; Up, Down, Home and End move between the
// rows, and the list is one stop of the Tab key; the status line shows the description of the
// entry in focus.

import { withCore } from './lazy-core.mjs';
import { element, lines } from './ui.mjs';

/** The keys that move through the list, to the row they lead to. */
const MOVES = {
    ArrowDown: (/** @type {number} */ at, /** @type {number} */ count) => Math.min(at + 1, count - 1),
    ArrowUp: (/** @type {number} */ at) => Math.max(at - 1, 0),
    Home: () => 0,
    End: (/** @type {number} */ at, /** @type {number} */ count) => count - 1,
};

/**
 * The list with its label and status line.
 * @param {any} dialog the dialog's description (entries, texts.label, texts.column)
 * @returns {{view: HTMLElement, ticked: () => boolean[], focus: () => void}}
 */
export function siteList(dialog) {
    /** @type {any[]} */
    const entries = dialog.entries;
    const boxes = entries.map((entry, index) => element('input', {
        type: 'checkbox', id: 'tick-' + index, checked: entry.ticked, tabIndex: -1,
        'aria-labelledby': 'short-' + index, 'aria-describedby': 'long-' + index,
    }));
    // The focused row's description, which each box also names as its own for screen readers.
    const status = element('p', { id: 'status', className: 'status', role: 'status', 'aria-live': 'off' });
    const group = element('div', { className: 'list', role: 'group', 'aria-labelledby': 'list-label' });
    // The ticks as the core last gave them; a box flips itself at once, and the core's rule for
    // exclusive entries (the DLL's) then sets every box. The list is busy until it has.
    /** @type {boolean[]} */
    let ticks = entries.map((entry) => entry.ticked);
    let pending = 0;
    // The list is one stop of the Tab key: the row last in focus.
    let current = 0;
    const show = (/** @type {number} */ index) => {
        status.textContent = entries[index]?.status ?? '';
        boxes[current].tabIndex = -1;
        current = index;
        boxes[current].tabIndex = 0;
    };
    const flipped = (/** @type {number} */ index) => {
        show(index);
        pending++;
        group.setAttribute('aria-busy', 'true');
        withCore((core) => {
            ticks = core.tick({ entries, ticked: ticks, clicked: index }).ticked;
            boxes.forEach((box, entry) => { box.checked = ticks[entry]; });
            if (--pending === 0)
                group.removeAttribute('aria-busy');
        });
    };
    const rows = entries.map((entry, index) => {
        const box = boxes[index];
        box.addEventListener('change', () => flipped(index));
        box.addEventListener('focus', () => show(index));
        // A click anywhere on the row ticks or unticks it, as on the box itself.
        const row = element('li', {}, [box, element('span', { id: 'short-' + index }, [entry.short]),
            element('span', { id: 'long-' + index, hidden: true }, [entry.status ?? ''])]);
        row.addEventListener('click', (event) => {
            if (event.target === box)
                return;
            box.focus();
            box.click();
        });
        return row;
    });
    group.addEventListener('keydown', (event) => {
        const move = MOVES[/** @type {keyof typeof MOVES} */ (event.key)];
        if (!move || event.altKey || event.ctrlKey || event.metaKey)
            return;
        event.preventDefault();
        boxes[move(current, boxes.length)]?.focus();
    });
    group.append(
        element('div', { className: 'column', 'aria-hidden': 'true' }, [dialog.texts.column ?? '']),
        element('ul', {}, rows),
    );
    const first = entries.findIndex((entry) => entry.ticked);
    if (boxes.length > 0)
        show(first >= 0 ? first : 0);
    const view = element('div', { className: 'site-list' }, [
        element('p', { id: 'list-label', className: 'list-label' }, lines(dialog.texts.label ?? '')),
        group,
        status,
    ]);
    return {
        view,
        ticked: () => boxes.map((box) => box.checked),
        focus: () => boxes[current]?.focus(),
    };
}
