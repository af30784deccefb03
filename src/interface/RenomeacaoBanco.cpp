#include "interface/RenomeacaoBanco.h"

#include <QFile>

#include "nucleo/CaixaMensagem.h"
#include "nucleo/Diretorios.h"
#include "plataforma/bd/Conexao.h"

bool RenomeiaBancoAlterado(const QString& anterior, const QString& novo, const std::function<void()>& voltaIndice) {
  const QString de = DiretorioDados() + u'/' + anterior;
  const QString para = DiretorioDados() + u'/' + novo;
  if (anterior.isEmpty() || novo.isEmpty() || anterior.compare(novo, Qt::CaseInsensitive) == 0) return true;
  if (!QFile::exists(de)) return QFile::exists(para);
  QString erro;
  if (QFile::exists(para))
    erro = QStringLiteral("Já existe no diretório de dados o arquivo %1, que não será apagado. O banco de dados da "
                          "declaração não foi renomeado e continua no arquivo %2.")
               .arg(novo, anterior);
  else if (bd::Conexao::arquivoEmUso(de) || !QFile::rename(de, para))
    erro = QStringLiteral("Não foi possível renomear o banco de dados %1 para %2. A declaração continua no arquivo %1.")
               .arg(anterior, novo);
  if (erro.isEmpty()) return true;
  if (voltaIndice) voltaIndice();
  ExibeMensagem(erro, TipoMensagem::Erro);
  return false;
}
