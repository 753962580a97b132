-- Demo bank: subject, question types, exam units and the default paper.
INSERT INTO kemu (ID, mz) VALUES ('主管药师（药学中级）', '366');
INSERT INTO qtype (id, code, title) VALUES
 (3,  1, 'A1型题：单句型最佳选择题，每道试题有A、B、C、D、E五个备选答案，请从中选择一个最佳答案。'),
 (4,  2, 'A2型题：病例摘要型最佳选择题，每道试题以一个简要病例为题干，请从五个备选答案中选择一个最佳答案。'),
 (5,  3, '五个公用备选多个题每题一个选项9'),
 (6,  4, 'X型题：多项选择题，每道试题有五个备选答案，其中有两个或两个以上的正确答案。'),
 (7,  5, 'X型题（病例型）：每道试题以一个简要病例为题干，有两个或两个以上的正确答案。'),
 (8,  6, 'X型题（综合型）：每道试题涉及多个知识点，有两个或两个以上的正确答案，多选、少选均不得分。'),
 (9,  7, 'A3/A4型题：每个案例至少有3个提问，每个提问有4-12个备选答案，其中正确答案有一个或多个。'),
 (10, 8, '阅读案例多个问题8'),
 (11, 9, 'B型题配伍选择题');
INSERT INTO tree (id, nodename, parentid, code) VALUES
 (1, '基础知识',         0, 1),
 (2, '相关专业知识',     0, 1),
 (3, '专业知识',         0, 1),
 (4, '专业实践能力',     0, 1);
-- Default paper: single choice (row 1 also keeps its saved count), multiple choice, cases, matching groups.
INSERT INTO ts (txs, fg) VALUES ('20', '20'), ('5', ''), ('2', ''), ('2', '');
