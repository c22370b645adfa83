// The user of the window tests in the page, and how the page hands the run's
// arguments in and its output and exit code out to run_in_chromium.py.
const query = new URLSearchParams(location.search);
Module.arguments = query.getAll('arg');
Module.preRun = [() => ENV.LC_ALL = query.get('LC_ALL')];
window.testOutput = [];
Module.print = Module.printErr = (line) => testOutput.push(line);
Module.onExit = (code) => window.testExit = code;
Module.onAbort = () => window.testExit = 99;

// A message box is answered as soon as it is up, so that no test waits.
const showModal = HTMLDialogElement.prototype.showModal;
HTMLDialogElement.prototype.showModal = function () {
    showModal.call(this);
    Module._answer_message();
};

var WebUser = {
    frame(name) {
        const frames = [...document.querySelectorAll('#screen > .window')]
            .filter((frame) => frame.dataset.window === name);
        return frames.find((frame) => !frame.hidden) || frames[0];
    },

    control(window, name, index) {
        const frame = WebUser.frame(window);
        return frame && [...frame.querySelectorAll('.client [data-name]')].find((element) =>
            element.dataset.name === name && (element.dataset.index ?? '-1') === String(index));
    },

    // An event as the browser sends it; true when no handler prevented the
    // default action, which the caller then carries out as the browser would.
    send(target, type, init) {
        const Kind = type.startsWith('key') ? KeyboardEvent : type === 'paste' ? ClipboardEvent : MouseEvent;
        return target.dispatchEvent(new Kind(type, Object.assign({bubbles: true, cancelable: true}, init)));
    },

    insert(box, text, inputType) {
        if (box.tagName !== 'INPUT' || box.readOnly)
            return;
        box.setRangeText(text, box.selectionStart, box.selectionEnd, 'end');
        box.dispatchEvent(new InputEvent('input', {bubbles: true, inputType, data: text}));
    },

    click(element) {
        WebUser.send(element, 'mousedown', {});
        element.focus();
        WebUser.send(element, 'mouseup', {});
        element.click();
    },

    press(init) {
        const target = document.activeElement;
        if (WebUser.send(target, 'keydown', init)) {
            if (init.key.length === 1 && !init.ctrlKey && !init.altKey)
                WebUser.insert(target, init.key, 'insertText');
            else if (init.key === 'Enter' && target.tagName === 'BUTTON')
                target.click();
            else if (init.key === 'a' && init.ctrlKey && target.select)
                target.select();
            else if (init.key === 'Delete' && target.tagName === 'INPUT' && !target.readOnly) {
                if (target.selectionStart === target.selectionEnd)
                    target.selectionEnd += 1;
                WebUser.insert(target, '', 'deleteContentForward');
            }
        }
        WebUser.send(target, 'keyup', init);
    },

    paste(text) {
        const target = document.activeElement;
        const clipboardData = new DataTransfer();
        clipboardData.setData('text/plain', text);
        if (WebUser.send(target, 'paste', {clipboardData}))
            WebUser.insert(target, text, 'insertFromPaste');
    },

    // The first face of the element's list that the page ships or the
    // system has: a face the browser lacks measures as the fallback does.
    fontFace(element) {
        const style = getComputedStyle(element.closest('.control'));
        const paint = document.createElement('canvas').getContext('2d');
        const width = (faces) => {
            paint.font = `${style.fontWeight} ${style.fontSize} ${faces}`;
            return paint.measureText('Valutrino 1.936,27').width;
        };
        const unquoted = (face) => face.trim().replace(/["']/g, '');
        const shipped = new Set([...document.fonts].map((face) => unquoted(face.family)));
        return style.fontFamily.split(',').map(unquoted)
            .find((face) => shipped.has(face) || width(`"${face}", monospace`) !== width('monospace')) ?? '';
    },

    // The colour shown at a point of a client area, as 0x00BBGGRR: a
    // picture's own pixel; a text box's text colour where its text stands;
    // else the background of what is there.
    pixel(window, x, y) {
        const client = WebUser.frame(window).querySelector('.client').getBoundingClientRect();
        const at = [client.left + x, client.top + y];
        const element = document.elementFromPoint(...at);
        const box = element.getBoundingClientRect();
        const style = getComputedStyle(element);
        const canvas = document.createElement('canvas');
        canvas.width = box.width;
        canvas.height = box.height;
        const paint = canvas.getContext('2d', {willReadFrequently: true});
        if (element.tagName === 'IMG') {
            paint.drawImage(element, 0, 0, box.width, box.height);
            const [r, g, b] = paint.getImageData(at[0] - box.left, at[1] - box.top, 1, 1).data;
            return r | g << 8 | b << 16;
        }
        let colour = style.backgroundColor;
        if (element.tagName === 'INPUT') {
            paint.font = style.font;
            const width = paint.measureText(element.value).width;
            const inner = [box.left + parseFloat(style.borderLeftWidth) + parseFloat(style.paddingLeft),
                           box.right - parseFloat(style.borderRightWidth) - parseFloat(style.paddingRight)];
            const left = style.textAlign === 'right' ? inner[1] - width : inner[0];
            if (at[0] >= left && at[0] < left + width)
                colour = style.color;
        }
        for (let under = element; /rgba\(.*, 0\)|transparent/.test(colour); under = under.parentNode)
            colour = getComputedStyle(under).backgroundColor;
        const [r, g, b] = colour.match(/\d+/g).map(Number);
        return r | g << 8 | b << 16;
    },
};
