// A content script of the Firefox tests' copy of the extension, in the pages the test serves:
// passes the test's requests, posted by the page, to the background hook (hook.mjs) and posts
// its answers back. The page marks itself ready for the test once this script runs.
window.addEventListener('message', (event) => {
    if (event.source !== window || !event.data || !('toTandrelHook' in event.data))
        return;
    const { toTandrelHook: request, sequence } = event.data;
    browser.runtime.sendMessage(request).then(
        (answer) => window.postMessage({ fromTandrelHook: answer, sequence }, '*'),
        (error) => window.postMessage({ fromTandrelHook: { error: String(error) }, sequence }, '*'));
});
document.documentElement.dataset.tandrelRelay = 'ready';
