// The about page: the logo and version, Help and Customization, and the home page under its
// "Go To URL" group. Every button ends the dialog; the core says what each opens.

import { element, lines } from './ui.mjs';

/**
 * @param {any} dialog
 * @returns {import('./dialog.mjs').View}
 */
export function aboutView(dialog) {
    return {
        content: [
            element('div', { className: 'about' }, [
                element('img', { src: 'logo.png', alt: '', width: 84, height: 78 }),
                element('p', { className: 'version' }, lines(dialog.texts.version)),
            ]),
        ],
        answer: () => ({}),
        focus: () => {},
        // The buttons stand in two groups, the home page under its own heading, OK below them.
        place: (buttons) => {
            const home = buttons.filter((made) => made.dataset.role === 'homePage');
            const help = buttons.filter((made) => made.dataset.role !== 'homePage' && made.dataset.role !== 'ok');
            const ok = buttons.filter((made) => made.dataset.role === 'ok');
            return [
                element('div', { className: 'about-group' }, help),
                element('fieldset', { className: 'about-group' }, [element('legend', {}, [dialog.texts.goTo]), ...home]),
                element('div', { className: 'buttons centred' }, ok),
            ];
        },
    };
}
